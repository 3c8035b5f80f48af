<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR">
<context>
    <name>CheckingPanel</name>
    <message>
        <source>Checking your computer...</source>
        <translation>컴퓨터를 확인하는 중...</translation>
    </message>
</context>
<context>
    <name>Console</name>
    <message>
        <source>Press any key to close this window.</source>
        <extracomment>Shown under the report when it runs in a console window of its own (started from Explorer), which closes with the program.</extracomment>
        <translation>이 창을 닫으려면 아무 키나 누르세요.</translation>
    </message>
</context>
<context>
    <name>Header</name>
    <message>
        <source>Close</source>
        <extracomment>The window&apos;s close button, as a screen reader names it.</extracomment>
        <translation>닫기</translation>
    </message>
    <message>
        <source>Quick Compatibility Check</source>
        <extracomment>The window&apos;s title under the logo.</extracomment>
        <translation>빠른 호환성 검사</translation>
    </message>
</context>
<context>
    <name>HeadsetText</name>
    <message>
        <source>Connect the headset to a DisplayPort or HDMI port of the %1.</source>
        <extracomment>%1 is the graphics adapter the check ranked (&quot;NVIDIA GeForce GTX 1060 6GB&quot;).</extracomment>
        <translation>헤드셋을 %1의 DisplayPort 또는 HDMI 포트에 연결하세요.</translation>
    </message>
    <message>
        <source>No HDMI or DisplayPort port was found; the headset needs one on the %1.</source>
        <extracomment>%1 is the graphics adapter the check ranked.</extracomment>
        <translation>HDMI 또는 DisplayPort 포트를 찾지 못했습니다. 헤드셋에는 %1의 이런 포트가 필요합니다.</translation>
    </message>
    <message>
        <source>The video ports could not be read. Connect the headset to a DisplayPort or HDMI port of the most powerful graphics card.</source>
        <translation>비디오 포트를 읽을 수 없습니다. 헤드셋을 가장 성능이 좋은 그래픽 카드의 DisplayPort 또는 HDMI 포트에 연결하세요.</translation>
    </message>
    <message>
        <source>Connect the headset to a USB 3 (SuperSpeed) port, often blue or marked SS.</source>
        <translation>헤드셋을 USB 3(SuperSpeed) 포트에 연결하세요. 보통 파란색이거나 SS 표시가 있습니다.</translation>
    </message>
    <message>
        <source>Only USB 2.0 ports were found; tracking can fail on them. A USB 3 (SuperSpeed) port, for example on an add-in card, would fix this.</source>
        <translation>USB 2.0 포트만 찾았습니다. 이런 포트에서는 트래킹이 실패할 수 있습니다. USB 3(SuperSpeed) 포트가 있으면(확장 카드도 가능) 해결됩니다.</translation>
    </message>
    <message>
        <source>The USB ports could not be read. Connect the headset to a USB 3 (SuperSpeed) port, often blue or marked SS.</source>
        <translation>USB 포트를 읽을 수 없습니다. 헤드셋을 USB 3(SuperSpeed) 포트에 연결하세요. 보통 파란색이거나 SS 표시가 있습니다.</translation>
    </message>
    <message>
        <source>ok</source>
        <extracomment>Status of a headset connection line: nothing to do.</extracomment>
        <translation>정상</translation>
    </message>
    <message>
        <source>check</source>
        <extracomment>Status of a headset connection line: the user should look at it.</extracomment>
        <translation>확인 필요</translation>
    </message>
    <message>
        <source>unknown</source>
        <extracomment>Status of a headset connection line: the system told nothing.</extracomment>
        <translation>알 수 없음</translation>
    </message>
    <message>
        <source>HDMI is wired to the %1, but Orvo needs the %2. Use a port of that adapter if it has one (often USB-C), or switch the ports to it if the computer allows that.</source>
        <extracomment>%1 lists the adapters that have the HDMI ports (&quot;Intel UHD Graphics 630&quot;), %2 is the adapter Orvo needs (&quot;NVIDIA GeForce RTX 2070&quot;).</extracomment>
        <translation>HDMI는 %1에 연결되어 있지만 Orvo에는 %2이(가) 필요합니다. 그 그래픽 카드에 포트가 있으면(주로 USB-C) 그 포트를 사용하거나, 컴퓨터가 지원하면 포트를 그쪽으로 전환하세요.</translation>
    </message>
    <message>
        <source>DisplayPort is wired to the %1, but Orvo needs the %2. Use a port of that adapter if it has one (often USB-C), or switch the ports to it if the computer allows that.</source>
        <extracomment>%1 lists the adapters that have the DisplayPort ports, %2 is the adapter Orvo needs.</extracomment>
        <translation>DisplayPort는 %1에 연결되어 있지만 Orvo에는 %2이(가) 필요합니다. 그 그래픽 카드에 포트가 있으면(주로 USB-C) 그 포트를 사용하거나, 컴퓨터가 지원하면 포트를 그쪽으로 전환하세요.</translation>
    </message>
    <message>
        <source>HDMI and DisplayPort are wired to the %1, but Orvo needs the %2. Use a port of that adapter if it has one (often USB-C), or switch the ports to it if the computer allows that.</source>
        <extracomment>%1 lists the adapters that have the HDMI and DisplayPort ports, %2 is the adapter Orvo needs.</extracomment>
        <translation>HDMI와 DisplayPort는 %1에 연결되어 있지만 Orvo에는 %2이(가) 필요합니다. 그 그래픽 카드에 포트가 있으면(주로 USB-C) 그 포트를 사용하거나, 컴퓨터가 지원하면 포트를 그쪽으로 전환하세요.</translation>
    </message>
    <message>
        <source>Avoid the ports of the %1 controller: it is known to drop headsets.</source>
        <extracomment>%1 names USB controller chips (&quot;ASMedia ASM1042&quot;).</extracomment>
        <translation>%1 컨트롤러의 포트는 피하세요. 헤드셋 연결이 끊기는 것으로 알려져 있습니다.</translation>
    </message>
    <message>
        <source>A USB 3 controller runs the driver %1 rather than Windows&apos; own; if the headset drops out, use Windows&apos; driver.</source>
        <extracomment>%1 names Windows driver services (&quot;asmtxhci&quot;).</extracomment>
        <translation>USB 3 컨트롤러가 Windows 기본 드라이버 대신 %1 드라이버로 작동합니다. 헤드셋 연결이 끊기면 Windows 드라이버를 사용하세요.</translation>
    </message>
    <message>
        <source>The driver of the %1 does not tell which video ports it has. Connect the headset to a DisplayPort or HDMI port of that graphics card.</source>
        <extracomment>%1 is the graphics adapter the check ranked.</extracomment>
        <translation>%1의 드라이버가 어떤 영상 포트가 있는지 알려 주지 않습니다. 헤드셋을 그 그래픽 카드의 DisplayPort 또는 HDMI 포트에 연결하세요.</translation>
    </message>
    <message>
        <source>The only USB 3 ports are on the %1 controller, which is known to drop headsets. Ports of another controller, or a USB 3 card with an Intel or Renesas chip, would fix this.</source>
        <extracomment>%1 names USB controller chips (&quot;ASMedia ASM1042&quot;).</extracomment>
        <translation>USB 3 포트가 %1 컨트롤러에만 있는데, 이 컨트롤러는 헤드셋 연결이 끊기는 것으로 알려져 있습니다. 다른 컨트롤러의 포트나 Intel 또는 Renesas 칩을 쓴 USB 3 확장 카드가 있으면 해결됩니다.</translation>
    </message>
    <message>
        <source>No battery was found: the computer runs on mains power.</source>
        <translation>배터리가 없습니다. 컴퓨터가 AC 전원으로 작동합니다.</translation>
    </message>
    <message>
        <source>The computer is plugged in and does not save power.</source>
        <translation>컴퓨터가 전원에 연결되어 있고 절전 중이 아닙니다.</translation>
    </message>
    <message>
        <source>The computer runs on battery, which slows the graphics down a lot. Plug it in and choose a performance power plan before using Orvo.</source>
        <translation>컴퓨터가 배터리로 작동 중이라 그래픽 성능이 크게 떨어집니다. Orvo를 사용하기 전에 전원을 연결하고 고성능 전원 관리 옵션을 선택하세요.</translation>
    </message>
    <message>
        <source>Battery saver is on and slows the computer down. Plug it in, turn battery saver off and choose a performance power plan before using Orvo.</source>
        <translation>배터리 절약 모드가 켜져 있어 컴퓨터가 느려집니다. Orvo를 사용하기 전에 전원을 연결하고 배터리 절약 모드를 끈 다음 고성능 전원 관리 옵션을 선택하세요.</translation>
    </message>
    <message>
        <source>A power-saving plan slows the graphics down. Plug the computer in and choose a performance power plan before using Orvo.</source>
        <translation>절전 전원 관리 옵션 때문에 그래픽 성능이 떨어집니다. Orvo를 사용하기 전에 전원을 연결하고 고성능 전원 관리 옵션을 선택하세요.</translation>
    </message>
    <message>
        <source>The power state could not be read. Plug a laptop in and choose a performance power plan before using Orvo.</source>
        <translation>전원 상태를 읽을 수 없습니다. 노트북이라면 Orvo를 사용하기 전에 전원을 연결하고 고성능 전원 관리 옵션을 선택하세요.</translation>
    </message>
    <message>
        <source>Connect the headset to a DisplayPort or HDMI port of the most powerful graphics card.</source>
        <translation>헤드셋을 가장 성능이 좋은 그래픽 카드의 DisplayPort 또는 HDMI 포트에 연결하세요.</translation>
    </message>
</context>
<context>
    <name>RecommendBoard</name>
    <message>
        <source>Recommended Minimum Specifications</source>
        <translation>권장 최소 사양</translation>
    </message>
    <message>
        <source>Graphics</source>
        <extracomment>Row label: the graphics card.</extracomment>
        <translation>그래픽 카드</translation>
    </message>
    <message>
        <source>Processor</source>
        <translation>프로세서</translation>
    </message>
    <message>
        <source>Memory</source>
        <extracomment>Row label: the memory (RAM).</extracomment>
        <translation>메모리</translation>
    </message>
    <message>
        <source>Video Output</source>
        <extracomment>Row label: the connector for the headset&apos;s video (HDMI, DisplayPort).</extracomment>
        <translation>영상 출력</translation>
    </message>
    <message>
        <source>HDMI 1.4 or DisplayPort 1.2 or newer</source>
        <translation>HDMI 1.4 또는 DisplayPort 1.2 이상</translation>
    </message>
    <message>
        <source>USB</source>
        <extracomment>Row label: the USB port.</extracomment>
        <translation>USB</translation>
    </message>
    <message>
        <source>1x USB 2.0 or newer</source>
        <translation>USB 2.0 이상 1개</translation>
    </message>
    <message>
        <source>OS</source>
        <extracomment>Row label: the operating system.</extracomment>
        <translation>운영 체제</translation>
    </message>
    <message>
        <source>For ORVO Pro, DisplayPort 1.2 is required, while USB 3.0 and Windows 8.1 (or newer) are recommended for the best experience.</source>
        <extracomment>ORVO Pro is a model of the headset; its name stays as it is.</extracomment>
        <translation>ORVO Pro에는 DisplayPort 1.2가 필요하며, 최상의 경험을 위해 USB 3.0과 Windows 8.1 이상을 권장합니다.</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>Compare error! No comparison file could be used (neither the downloaded nor the shipped one); run with --verbose to see why.</source>
        <extracomment>--verbose is an option of the command; it stays as it is.</extracomment>
        <translation>비교 오류! 사용할 수 있는 비교 파일이 없습니다(다운로드한 파일과 기본 제공 파일 모두). 이유를 보려면 --verbose 옵션을 붙여 실행하세요.</translation>
    </message>
    <message>
        <source>no graphics adapter found</source>
        <translation>그래픽 카드를 찾을 수 없음</translation>
    </message>
    <message>
        <source>Component</source>
        <extracomment>Column heading of the report&apos;s table.</extracomment>
        <translation>구성 요소</translation>
    </message>
    <message>
        <source>Rank</source>
        <extracomment>Column heading of the report&apos;s table.</extracomment>
        <translation>등급</translation>
    </message>
    <message>
        <source>OrvoCheck report (%1)</source>
        <extracomment>%1 is the program&apos;s version.</extracomment>
        <translation>OrvoCheck 보고서(%1)</translation>
    </message>
    <message>
        <source>Comparison file version: %1</source>
        <translation>비교 파일 버전: %1</translation>
    </message>
    <message>
        <source>Found</source>
        <extracomment>Column heading of the report&apos;s table: what the check found.</extracomment>
        <translation>검색 결과</translation>
    </message>
    <message>
        <source>Graphics adapters:</source>
        <translation>그래픽 카드:</translation>
    </message>
    <message>
        <source>Verdict: %1</source>
        <extracomment>%1 is the rank of the whole computer.</extracomment>
        <translation>판정: %1</translation>
    </message>
    <message>
        <source>Compare error! The comparison file %1 does not exist.</source>
        <extracomment>%1 is the file given with --comp.</extracomment>
        <translation>비교 오류! 비교 파일 %1이(가) 없습니다.</translation>
    </message>
    <message>
        <source>Compare error! The comparison file %1 could not be used; run with --verbose to see why.</source>
        <extracomment>%1 is the file given with --comp; --verbose is an option of the command and stays as it is.</extracomment>
        <translation>비교 오류! 비교 파일 %1을(를) 사용할 수 없습니다. 이유를 보려면 --verbose 옵션을 붙여 실행하세요.</translation>
    </message>
    <message>
        <source>%1 adapters, listed below</source>
        <extracomment>%1 is the number of graphics adapters (two or more).</extracomment>
        <translation>그래픽 카드 %1개(아래 목록 참조)</translation>
    </message>
</context>
<context>
    <name>ResultText</name>
    <message>
        <source>4GB or more</source>
        <extracomment>Recommended amount of memory (RAM).</extracomment>
        <translation>4GB 이상</translation>
    </message>
    <message>
        <source>Windows 7 SP1, Windows 8.1 or newer (64-bit)</source>
        <translation>Windows 7 SP1, Windows 8.1 이상(64비트)</translation>
    </message>
    <message>
        <source>Your system meets the minimum recommended requirements and should be able to run Orvo. For a more in-depth scan of your computer&apos;s readiness for VR, run the SteamVR Performance Test.</source>
        <translation>시스템이 권장 최소 사양을 충족하므로 Orvo를 실행할 수 있습니다. 컴퓨터의 VR 준비 상태를 더 자세히 검사하려면 SteamVR Performance Test를 실행하세요.</translation>
    </message>
    <message>
        <source>This computer doesn&apos;t meet Orvo&apos;s recommended minimum specifications. To upgrade to a fully-compatible computer system, browse the %1 website.</source>
        <extracomment>%1 is the link &quot;Orvo Ready&quot;, the name of the ready-PC website; it stays as it is.</extracomment>
        <translation>이 컴퓨터는 Orvo의 권장 최소 사양을 충족하지 않습니다. 완벽하게 호환되는 컴퓨터로 업그레이드하려면 %1 웹사이트를 방문하세요.</translation>
    </message>
    <message>
        <source>Some of this computer&apos;s components may not work well with Orvo. For more detailed information about your computer&apos;s readiness for Orvo, run the SteamVR Performance Test.</source>
        <translation>이 컴퓨터의 일부 구성 요소는 Orvo와 잘 작동하지 않을 수 있습니다. 컴퓨터의 Orvo 준비 상태를 자세히 알아보려면 SteamVR Performance Test를 실행하세요.</translation>
    </message>
    <message>
        <source>Graphics</source>
        <extracomment>Row label: the graphics card.</extracomment>
        <translation>그래픽 카드</translation>
    </message>
    <message>
        <source>This graphics card may not work well with Orvo.</source>
        <translation>이 그래픽 카드는 Orvo와 잘 작동하지 않을 수 있습니다.</translation>
    </message>
    <message>
        <source>Processor</source>
        <translation>프로세서</translation>
    </message>
    <message>
        <source>This processor may not be powerful enough to run Orvo.</source>
        <translation>이 프로세서는 Orvo를 실행하기에 성능이 부족할 수 있습니다.</translation>
    </message>
    <message>
        <source>Memory</source>
        <extracomment>Row label: the memory (RAM).</extracomment>
        <translation>메모리</translation>
    </message>
    <message>
        <source>%1 memory is recommended.</source>
        <extracomment>%1 is the recommended amount, &quot;4GB or more&quot;.</extracomment>
        <translation>권장 메모리: %1</translation>
    </message>
    <message>
        <source>OS</source>
        <extracomment>Row label: the operating system.</extracomment>
        <translation>운영 체제</translation>
    </message>
    <message>
        <source>%1 is required.</source>
        <extracomment>%1 is the required system, &quot;Windows 7 SP1, Windows 8.1 or newer (64-bit)&quot;.</extracomment>
        <translation>필요한 운영 체제: %1</translation>
    </message>
</context>
<context>
    <name>RowReason</name>
    <message>
        <source>%1 — %2</source>
        <extracomment>%1 is the user&apos;s figure (&quot;G3D Mark 6,148&quot;), %2 what Orvo needs (&quot;Orvo needs 7,325 (...)&quot;).</extracomment>
        <translation>%1 — %2</translation>
    </message>
    <message>
        <source>G3D Mark %1</source>
        <extracomment>%1 is the G3D Mark of the user&apos;s card, or a range of them.</extracomment>
        <translation>G3D Mark %1</translation>
    </message>
    <message>
        <source>Orvo needs %1 (%2 class)</source>
        <extracomment>%1 is a benchmark figure, %2 the reference cards (&quot;GTX 970 / R9 290&quot;).</extracomment>
        <translation>Orvo 요구 사항: %1 (%2급)</translation>
    </message>
    <message>
        <source>CPU Mark %1, single thread %2</source>
        <extracomment>%1 is the PassMark CPU Mark, %2 the PassMark single-thread rating.</extracomment>
        <translation>CPU Mark %1, 싱글 스레드 %2</translation>
    </message>
    <message>
        <source>%1 and %2 (%3)</source>
        <extracomment>%1 is the CPU Mark and %2 the single-thread rating Orvo needs, %3 the processor they come from.</extracomment>
        <translation>%1 및 %2 (%3)</translation>
    </message>
    <message>
        <source>%1: both figures too low</source>
        <extracomment>%1 is a reference processor.</extracomment>
        <translation>%1: 두 점수 모두 부족</translation>
    </message>
    <message>
        <source>%1: single thread too low</source>
        <extracomment>%1 is a reference processor.</extracomment>
        <translation>%1: 싱글 스레드 점수 부족</translation>
    </message>
    <message>
        <source>%1: CPU Mark too low</source>
        <extracomment>%1 is a reference processor.</extracomment>
        <translation>%1: CPU Mark 점수 부족</translation>
    </message>
    <message>
        <source>Orvo needs %1</source>
        <extracomment>%1 is one or more &quot;figure and figure (processor)&quot;, joined by &quot;or&quot;.</extracomment>
        <translation>Orvo 요구 사항: %1</translation>
    </message>
    <message>
        <source> or </source>
        <translation> 또는 </translation>
    </message>
    <message>
        <source>%1 GB</source>
        <extracomment>%1 is an amount of memory in gigabytes.</extracomment>
        <translation>%1GB</translation>
    </message>
    <message>
        <source>Also found: %1 (not used for the verdict)</source>
        <extracomment>%1 lists the names of the other graphics adapters of the computer.</extracomment>
        <translation>그 밖에 발견됨: %1 (판정에 사용되지 않음)</translation>
    </message>
    <message>
        <source>no graphics adapter found</source>
        <translation>그래픽 카드를 찾을 수 없음</translation>
    </message>
    <message>
        <source>Orvo needs 64-bit Windows 7 SP1, Windows 8.1 or newer</source>
        <translation>Orvo를 사용하려면 64비트 Windows 7 SP1, Windows 8.1 이상이 필요합니다</translation>
    </message>
    <message>
        <source>A faster graphics card would fix this.</source>
        <translation>더 빠른 그래픽 카드로 교체하면 해결됩니다.</translation>
    </message>
    <message>
        <source>A faster processor would fix this; it may need a new mainboard.</source>
        <translation>더 빠른 프로세서로 교체하면 해결됩니다. 메인보드도 교체해야 할 수 있습니다.</translation>
    </message>
    <message>
        <source>Adding memory to reach %1 would fix this.</source>
        <extracomment>%1 is the amount Orvo needs, like &quot;4 GB&quot;.</extracomment>
        <translation>메모리를 %1 이상으로 늘리면 해결됩니다.</translation>
    </message>
    <message>
        <source>Installing 64-bit Windows 8.1 or newer would fix this.</source>
        <translation>64비트 Windows 8.1 이상을 설치하면 해결됩니다.</translation>
    </message>
    <message>
        <source>The SteamVR Performance Test can tell how well it runs Orvo.</source>
        <extracomment>SteamVR Performance Test is the name of a program; it stays as it is.</extracomment>
        <translation>SteamVR Performance Test로 Orvo가 얼마나 잘 실행될지 확인할 수 있습니다.</translation>
    </message>
    <message>
        <source>Install the graphics driver and run the check again.</source>
        <translation>그래픽 드라이버를 설치한 후 검사를 다시 실행하세요.</translation>
    </message>
    <message>
        <source>The comparison data could not be read. Check the internet connection and start OrvoCheck again; if that does not help, reinstall OrvoCheck.</source>
        <translation>비교 데이터를 읽을 수 없습니다. 인터넷 연결을 확인하고 OrvoCheck를 다시 시작하세요. 그래도 해결되지 않으면 OrvoCheck를 다시 설치하세요.</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Joins a list of names (&quot;Intel UHD Graphics 630, AMD Radeon RX 580&quot;); keep the spaces your language puts around it.</extracomment>
        <translation>, </translation>
    </message>
    <message>
        <source>; </source>
        <extracomment>Joins two short reasons (&quot;Intel Core i5-4590: both figures too low; AMD FX-8350: CPU Mark too low&quot;); keep the spaces your language puts around it.</extracomment>
        <translation>; </translation>
    </message>
    <message>
        <source>comparison data %1</source>
        <extracomment>%1 is the version of the comparison data, like 2026.12.08; it is a name, not a date: keep it as it is.</extracomment>
        <translation>비교 데이터 %1</translation>
    </message>
    <message>
        <source>%1–%2</source>
        <extracomment>A range of benchmark figures, %1 the lowest, %2 the highest.</extracomment>
        <translation>%1~%2</translation>
    </message>
    <message>
        <source>Ranked with the %1 family: every member is fast enough for Orvo</source>
        <comment>graphics card</comment>
        <translation>%1 제품군 기준으로 판정: 모든 모델이 Orvo에 충분히 빠릅니다</translation>
    </message>
    <message>
        <source>Ranked with the %1 family: every member is too slow for Orvo</source>
        <comment>graphics card</comment>
        <translation>%1 제품군 기준으로 판정: 모든 모델이 Orvo에는 너무 느립니다</translation>
    </message>
    <message>
        <source>Ranked with the %1 family: every member is fast enough for Orvo</source>
        <comment>processor</comment>
        <translation>%1 제품군 기준으로 판정: 모든 모델이 Orvo에 충분히 빠릅니다</translation>
    </message>
    <message>
        <source>Ranked with the %1 family: every member is too slow for Orvo</source>
        <comment>processor</comment>
        <translation>%1 제품군 기준으로 판정: 모든 모델이 Orvo에는 너무 느립니다</translation>
    </message>
    <message>
        <source>Listed as suitable (%1)</source>
        <comment>graphics card</comment>
        <translation>적합으로 분류됨 (%1)</translation>
    </message>
    <message>
        <source>Listed as unsuitable (%1)</source>
        <comment>graphics card</comment>
        <translation>부적합으로 분류됨 (%1)</translation>
    </message>
    <message>
        <source>Listed as suitable (%1)</source>
        <comment>processor</comment>
        <translation>적합으로 분류됨 (%1)</translation>
    </message>
    <message>
        <source>Listed as unsuitable (%1)</source>
        <comment>processor</comment>
        <translation>부적합으로 분류됨 (%1)</translation>
    </message>
    <message>
        <source>Listed as suitable (%1)</source>
        <comment>operating system</comment>
        <translation>적합으로 분류됨 (%1)</translation>
    </message>
    <message>
        <source>Listed as unsuitable (%1)</source>
        <comment>operating system</comment>
        <translation>부적합으로 분류됨 (%1)</translation>
    </message>
    <message>
        <source>On no list (%1)</source>
        <comment>graphics card</comment>
        <translation>어느 목록에도 없음 (%1)</translation>
    </message>
    <message>
        <source>On no list (%1)</source>
        <comment>processor</comment>
        <translation>어느 목록에도 없음 (%1)</translation>
    </message>
    <message>
        <source>On no list (%1)</source>
        <comment>operating system</comment>
        <translation>어느 목록에도 없음 (%1)</translation>
    </message>
    <message>
        <source>The graphics of this computer cannot be replaced: Orvo needs a computer with faster graphics.</source>
        <translation>이 컴퓨터의 그래픽은 교체할 수 없습니다. Orvo를 사용하려면 그래픽 성능이 더 좋은 컴퓨터가 필요합니다.</translation>
    </message>
    <message>
        <source>The processor of this computer cannot be replaced: Orvo needs a faster computer.</source>
        <translation>이 컴퓨터의 프로세서는 교체할 수 없습니다. Orvo를 사용하려면 더 빠른 컴퓨터가 필요합니다.</translation>
    </message>
    <message>
        <source>This release is not in the comparison data.</source>
        <translation>이 릴리스는 비교 데이터에 없습니다.</translation>
    </message>
    <message>
        <source>This release is not in the comparison data, which lists %1.</source>
        <extracomment>%1 lists the releases of the same system that the comparison data holds (&quot;Ubuntu 22.04, Ubuntu 24.04&quot;).</extracomment>
        <translation>이 릴리스는 비교 데이터에 없습니다. 비교 데이터에 있는 릴리스: %1.</translation>
    </message>
    <message>
        <source>meets the minimum</source>
        <comment>graphics card</comment>
        <extracomment>Rank of a component, in the report&apos;s table.</extracomment>
        <translation>최소 사양 충족</translation>
    </message>
    <message>
        <source>below the minimum</source>
        <comment>graphics card</comment>
        <translation>최소 사양 미달</translation>
    </message>
    <message>
        <source>unknown</source>
        <comment>graphics card</comment>
        <translation>알 수 없음</translation>
    </message>
    <message>
        <source>not checked</source>
        <comment>graphics card</comment>
        <translation>확인 안 됨</translation>
    </message>
    <message>
        <source>meets the minimum</source>
        <comment>processor</comment>
        <translation>최소 사양 충족</translation>
    </message>
    <message>
        <source>below the minimum</source>
        <comment>processor</comment>
        <translation>최소 사양 미달</translation>
    </message>
    <message>
        <source>unknown</source>
        <comment>processor</comment>
        <translation>알 수 없음</translation>
    </message>
    <message>
        <source>not checked</source>
        <comment>processor</comment>
        <translation>확인 안 됨</translation>
    </message>
    <message>
        <source>meets the minimum</source>
        <comment>memory</comment>
        <translation>최소 사양 충족</translation>
    </message>
    <message>
        <source>below the minimum</source>
        <comment>memory</comment>
        <translation>최소 사양 미달</translation>
    </message>
    <message>
        <source>unknown</source>
        <comment>memory</comment>
        <translation>알 수 없음</translation>
    </message>
    <message>
        <source>not checked</source>
        <comment>memory</comment>
        <translation>확인 안 됨</translation>
    </message>
    <message>
        <source>meets the minimum</source>
        <comment>operating system</comment>
        <translation>최소 사양 충족</translation>
    </message>
    <message>
        <source>below the minimum</source>
        <comment>operating system</comment>
        <translation>최소 사양 미달</translation>
    </message>
    <message>
        <source>unknown</source>
        <comment>operating system</comment>
        <translation>알 수 없음</translation>
    </message>
    <message>
        <source>not checked</source>
        <comment>operating system</comment>
        <translation>확인 안 됨</translation>
    </message>
    <message>
        <source>meets the minimum</source>
        <comment>computer</comment>
        <translation>최소 사양 충족</translation>
    </message>
    <message>
        <source>below the minimum</source>
        <comment>computer</comment>
        <translation>최소 사양 미달</translation>
    </message>
    <message>
        <source>unknown</source>
        <comment>computer</comment>
        <translation>알 수 없음</translation>
    </message>
    <message>
        <source>not checked</source>
        <comment>computer</comment>
        <translation>확인 안 됨</translation>
    </message>
    <message>
        <source>CPU Mark %1</source>
        <extracomment>%1 is the PassMark CPU Mark of the user&apos;s processor.</extracomment>
        <translation>CPU Mark %1</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>NVIDIA GeForce (R) GTX 970 or AMD RadeonTM R9 290 equivalent or faster</source>
        <extracomment>Recommended graphics card; the product names stay as they are.</extracomment>
        <translation>NVIDIA GeForce (R) GTX 970 또는 AMD RadeonTM R9 290 이상</translation>
    </message>
    <message>
        <source>Intel i5-4590 or AMD FX 8350 equivalent or faster</source>
        <extracomment>Recommended processor; the product names stay as they are.</extracomment>
        <translation>Intel i5-4590 또는 AMD FX 8350 이상</translation>
    </message>
    <message>
        <source>Windows 7 SP1, Windows 8.1 or newer</source>
        <translation>Windows 7 SP1, Windows 8.1 이상</translation>
    </message>
</context>
<context>
    <name>pResult</name>
    <message>
        <source>Compare error!</source>
        <extracomment>Shown instead of a verdict when no comparison file could be read.</extracomment>
        <translation>비교 오류!</translation>
    </message>
    <message>
        <source>Order Orvo</source>
        <translation>Orvo 주문하기</translation>
    </message>
    <message>
        <source>SteamVR Performance Test</source>
        <extracomment>Opens the store page of the test program of that name.</extracomment>
        <translation>SteamVR Performance Test</translation>
    </message>
    <message>
        <source>Browse Orvo-Ready PCs</source>
        <extracomment>&quot;Orvo-Ready&quot; PCs: computers sold as ready for Orvo.</extracomment>
        <translation>Orvo Ready PC 둘러보기</translation>
    </message>
    <message>
        <source>Headset connection</source>
        <extracomment>Heading of the part below the four rows: where the headset plugs in.</extracomment>
        <translation>헤드셋 연결</translation>
    </message>
    <message>
        <source>Video</source>
        <extracomment>Title of the line about the video ports.</extracomment>
        <translation>비디오</translation>
    </message>
    <message>
        <source>USB</source>
        <translation>USB</translation>
    </message>
    <message>
        <source>Power</source>
        <extracomment>Title of the line about the power supply and the power plan.</extracomment>
        <translation>전원</translation>
    </message>
</context>
<context>
    <name>pWelcome</name>
    <message>
        <source>This tool will scan your system to determine whether it meets the minimum recommended requirements to run Orvo. It takes less than a minute.</source>
        <translation>이 도구는 시스템을 검사하여 Orvo 실행에 필요한 권장 최소 사양을 충족하는지 확인합니다. 1분도 걸리지 않습니다.</translation>
    </message>
    <message>
        <source>Send system information (OS, RAM, CPU, and GPU) to Daxo to help improve Orvo Software. Review %1.</source>
        <extracomment>Beside the consent box. %1 is the link &quot;Daxo Privacy Policy&quot;.</extracomment>
        <translation>Orvo 소프트웨어 개선을 위해 시스템 정보(OS, RAM, CPU, GPU)를 Daxo에 보냅니다. %1을 확인하세요.</translation>
    </message>
    <message>
        <source>Daxo Privacy Policy</source>
        <extracomment>Link words inside the consent sentence.</extracomment>
        <translation>Daxo 개인정보 처리방침</translation>
    </message>
    <message>
        <source>Start</source>
        <extracomment>Starts the check.</extracomment>
        <translation>시작</translation>
    </message>
</context>
</TS>
