<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>CheckingPanel</name>
    <message>
        <source>Checking your computer...</source>
        <translation>コンピューターをチェックしています...</translation>
    </message>
</context>
<context>
    <name>Console</name>
    <message>
        <source>Press any key to close this window.</source>
        <extracomment>Shown under the report when it runs in a console window of its own (started from Explorer), which closes with the program.</extracomment>
        <translation>このウィンドウを閉じるには、いずれかのキーを押してください。</translation>
    </message>
</context>
<context>
    <name>Header</name>
    <message>
        <source>Close</source>
        <extracomment>The window&apos;s close button, as a screen reader names it.</extracomment>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Quick Compatibility Check</source>
        <extracomment>The window&apos;s title under the logo.</extracomment>
        <translation>かんたん互換性チェック</translation>
    </message>
</context>
<context>
    <name>HeadsetText</name>
    <message>
        <source>Connect the headset to a DisplayPort or HDMI port of the %1.</source>
        <extracomment>%1 is the graphics adapter the check ranked (&quot;NVIDIA GeForce GTX 1060 6GB&quot;).</extracomment>
        <translation>ヘッドセットは %1 の DisplayPort または HDMI 端子に接続してください。</translation>
    </message>
    <message>
        <source>No HDMI or DisplayPort port was found; the headset needs one on the %1.</source>
        <extracomment>%1 is the graphics adapter the check ranked.</extracomment>
        <translation>HDMI または DisplayPort の端子が見つかりません。ヘッドセットには %1 のこれらの端子が必要です。</translation>
    </message>
    <message>
        <source>The video ports could not be read. Connect the headset to a DisplayPort or HDMI port of the most powerful graphics card.</source>
        <translation>映像端子の情報を読み取れませんでした。ヘッドセットは最も高性能なビデオカードの DisplayPort または HDMI 端子に接続してください。</translation>
    </message>
    <message>
        <source>Connect the headset to a USB 3 (SuperSpeed) port, often blue or marked SS.</source>
        <translation>ヘッドセットは USB 3 (SuperSpeed) ポートに接続してください。多くは青色か SS の表示があります。</translation>
    </message>
    <message>
        <source>Only USB 2.0 ports were found; tracking can fail on them. A USB 3 (SuperSpeed) port, for example on an add-in card, would fix this.</source>
        <translation>USB 2.0 ポートしか見つかりません。トラッキングがうまく動かないことがあります。USB 3 (SuperSpeed) ポート (増設カードでも可) があれば解決します。</translation>
    </message>
    <message>
        <source>The USB ports could not be read. Connect the headset to a USB 3 (SuperSpeed) port, often blue or marked SS.</source>
        <translation>USB ポートの情報を読み取れませんでした。ヘッドセットは USB 3 (SuperSpeed) ポートに接続してください。多くは青色か SS の表示があります。</translation>
    </message>
    <message>
        <source>ok</source>
        <extracomment>Status of a headset connection line: nothing to do.</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>check</source>
        <extracomment>Status of a headset connection line: the user should look at it.</extracomment>
        <translation>要確認</translation>
    </message>
    <message>
        <source>unknown</source>
        <extracomment>Status of a headset connection line: the system told nothing.</extracomment>
        <translation>不明</translation>
    </message>
    <message>
        <source>HDMI is wired to the %1, but Orvo needs the %2. Use a port of that adapter if it has one (often USB-C), or switch the ports to it if the computer allows that.</source>
        <extracomment>%1 lists the adapters that have the HDMI ports (&quot;Intel UHD Graphics 630&quot;), %2 is the adapter Orvo needs (&quot;NVIDIA GeForce RTX 2070&quot;).</extracomment>
        <translation>HDMI は %1 につながっていますが、Orvo に必要なのは %2 です。そのビデオカードに端子があればそれを使うか (USB-C のことが多い)、コンピューターが対応していれば端子をそちらに切り替えてください。</translation>
    </message>
    <message>
        <source>DisplayPort is wired to the %1, but Orvo needs the %2. Use a port of that adapter if it has one (often USB-C), or switch the ports to it if the computer allows that.</source>
        <extracomment>%1 lists the adapters that have the DisplayPort ports, %2 is the adapter Orvo needs.</extracomment>
        <translation>DisplayPort は %1 につながっていますが、Orvo に必要なのは %2 です。そのビデオカードに端子があればそれを使うか (USB-C のことが多い)、コンピューターが対応していれば端子をそちらに切り替えてください。</translation>
    </message>
    <message>
        <source>HDMI and DisplayPort are wired to the %1, but Orvo needs the %2. Use a port of that adapter if it has one (often USB-C), or switch the ports to it if the computer allows that.</source>
        <extracomment>%1 lists the adapters that have the HDMI and DisplayPort ports, %2 is the adapter Orvo needs.</extracomment>
        <translation>HDMI と DisplayPort は %1 につながっていますが、Orvo に必要なのは %2 です。そのビデオカードに端子があればそれを使うか (USB-C のことが多い)、コンピューターが対応していれば端子をそちらに切り替えてください。</translation>
    </message>
    <message>
        <source>Avoid the ports of the %1 controller: it is known to drop headsets.</source>
        <extracomment>%1 names USB controller chips (&quot;ASMedia ASM1042&quot;).</extracomment>
        <translation>%1 コントローラーのポートは避けてください。ヘッドセットの接続が切れることが知られています。</translation>
    </message>
    <message>
        <source>A USB 3 controller runs the driver %1 rather than Windows&apos; own; if the headset drops out, use Windows&apos; driver.</source>
        <extracomment>%1 names Windows driver services (&quot;asmtxhci&quot;).</extracomment>
        <translation>USB 3 コントローラーが Windows 標準ではないドライバー %1 で動作しています。ヘッドセットの接続が切れる場合は Windows のドライバーを使ってください。</translation>
    </message>
    <message>
        <source>The driver of the %1 does not tell which video ports it has. Connect the headset to a DisplayPort or HDMI port of that graphics card.</source>
        <extracomment>%1 is the graphics adapter the check ranked.</extracomment>
        <translation>%1 のドライバーは映像端子の情報を提供していません。ヘッドセットはこのビデオカードの DisplayPort または HDMI 端子に接続してください。</translation>
    </message>
    <message>
        <source>The only USB 3 ports are on the %1 controller, which is known to drop headsets. Ports of another controller, or a USB 3 card with an Intel or Renesas chip, would fix this.</source>
        <extracomment>%1 names USB controller chips (&quot;ASMedia ASM1042&quot;).</extracomment>
        <translation>USB 3 ポートは %1 コントローラーのものしかなく、このコントローラーではヘッドセットの接続が切れることが知られています。別のコントローラーのポートか、Intel または Renesas チップの USB 3 増設カードがあれば解決します。</translation>
    </message>
    <message>
        <source>No battery was found: the computer runs on mains power.</source>
        <translation>バッテリーは見つかりません。コンピューターは AC 電源で動作しています。</translation>
    </message>
    <message>
        <source>The computer is plugged in and does not save power.</source>
        <translation>コンピューターは電源につながっていて、省電力にはなっていません。</translation>
    </message>
    <message>
        <source>The computer runs on battery, which slows the graphics down a lot. Plug it in and choose a performance power plan before using Orvo.</source>
        <translation>コンピューターがバッテリーで動作しているため、グラフィックスが大幅に遅くなります。Orvo を使う前に電源につなぎ、高パフォーマンスの電源プランを選んでください。</translation>
    </message>
    <message>
        <source>Battery saver is on and slows the computer down. Plug it in, turn battery saver off and choose a performance power plan before using Orvo.</source>
        <translation>バッテリー節約機能がオンで、コンピューターが遅くなっています。Orvo を使う前に電源につなぎ、バッテリー節約機能をオフにして、高パフォーマンスの電源プランを選んでください。</translation>
    </message>
    <message>
        <source>A power-saving plan slows the graphics down. Plug the computer in and choose a performance power plan before using Orvo.</source>
        <translation>省電力の電源プランでグラフィックスが遅くなっています。Orvo を使う前にコンピューターを電源につなぎ、高パフォーマンスの電源プランを選んでください。</translation>
    </message>
    <message>
        <source>The power state could not be read. Plug a laptop in and choose a performance power plan before using Orvo.</source>
        <translation>電源の状態を読み取れませんでした。ノート PC の場合は、Orvo を使う前に電源につなぎ、高パフォーマンスの電源プランを選んでください。</translation>
    </message>
    <message>
        <source>Connect the headset to a DisplayPort or HDMI port of the most powerful graphics card.</source>
        <translation>ヘッドセットは最も高性能なビデオカードの DisplayPort または HDMI 端子に接続してください。</translation>
    </message>
</context>
<context>
    <name>RecommendBoard</name>
    <message>
        <source>Recommended Minimum Specifications</source>
        <translation>推奨最小スペック</translation>
    </message>
    <message>
        <source>Graphics</source>
        <extracomment>Row label: the graphics card.</extracomment>
        <translation>ビデオカード</translation>
    </message>
    <message>
        <source>Processor</source>
        <translation>プロセッサー</translation>
    </message>
    <message>
        <source>Memory</source>
        <extracomment>Row label: the memory (RAM).</extracomment>
        <translation>メモリー</translation>
    </message>
    <message>
        <source>Video Output</source>
        <extracomment>Row label: the connector for the headset&apos;s video (HDMI, DisplayPort).</extracomment>
        <translation>映像出力</translation>
    </message>
    <message>
        <source>HDMI 1.4 or DisplayPort 1.2 or newer</source>
        <translation>HDMI 1.4 / DisplayPort 1.2 以降</translation>
    </message>
    <message>
        <source>USB</source>
        <extracomment>Row label: the USB port.</extracomment>
        <translation>USB</translation>
    </message>
    <message>
        <source>1x USB 2.0 or newer</source>
        <translation>USB 2.0 以降 × 1</translation>
    </message>
    <message>
        <source>OS</source>
        <extracomment>Row label: the operating system.</extracomment>
        <translation>OS</translation>
    </message>
    <message>
        <source>For ORVO Pro, DisplayPort 1.2 is required, while USB 3.0 and Windows 8.1 (or newer) are recommended for the best experience.</source>
        <extracomment>ORVO Pro is a model of the headset; its name stays as it is.</extracomment>
        <translation>ORVO Pro には DisplayPort 1.2 が必要です。快適にお使いいただくには、USB 3.0 と Windows 8.1 以降をおすすめします。</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>Compare error! No comparison file could be used (neither the downloaded nor the shipped one); run with --verbose to see why.</source>
        <extracomment>--verbose is an option of the command; it stays as it is.</extracomment>
        <translation>比較エラー: 比較ファイルを使用できませんでした (ダウンロードしたファイルも同梱のファイルも使用できません)。--verbose を付けて実行すると理由を確認できます。</translation>
    </message>
    <message>
        <source>no graphics adapter found</source>
        <translation>ビデオカードが見つかりません</translation>
    </message>
    <message>
        <source>Component</source>
        <extracomment>Column heading of the report&apos;s table.</extracomment>
        <translation>コンポーネント</translation>
    </message>
    <message>
        <source>Rank</source>
        <extracomment>Column heading of the report&apos;s table.</extracomment>
        <translation>評価</translation>
    </message>
    <message>
        <source>OrvoCheck report (%1)</source>
        <extracomment>%1 is the program&apos;s version.</extracomment>
        <translation>OrvoCheck レポート (%1)</translation>
    </message>
    <message>
        <source>Comparison file version: %1</source>
        <translation>比較ファイルのバージョン: %1</translation>
    </message>
    <message>
        <source>Found</source>
        <extracomment>Column heading of the report&apos;s table: what the check found.</extracomment>
        <translation>検出内容</translation>
    </message>
    <message>
        <source>Graphics adapters:</source>
        <translation>ビデオカード:</translation>
    </message>
    <message>
        <source>Verdict: %1</source>
        <extracomment>%1 is the rank of the whole computer.</extracomment>
        <translation>判定: %1</translation>
    </message>
    <message>
        <source>Compare error! The comparison file %1 does not exist.</source>
        <extracomment>%1 is the file given with --comp.</extracomment>
        <translation>比較エラー: 比較ファイル %1 が存在しません。</translation>
    </message>
    <message>
        <source>Compare error! The comparison file %1 could not be used; run with --verbose to see why.</source>
        <extracomment>%1 is the file given with --comp; --verbose is an option of the command and stays as it is.</extracomment>
        <translation>比較エラー: 比較ファイル %1 を使用できませんでした。--verbose を付けて実行すると理由を確認できます。</translation>
    </message>
    <message>
        <source>%1 adapters, listed below</source>
        <extracomment>%1 is the number of graphics adapters (two or more).</extracomment>
        <translation>ビデオカード %1 枚 (下記参照)</translation>
    </message>
</context>
<context>
    <name>ResultText</name>
    <message>
        <source>4GB or more</source>
        <extracomment>Recommended amount of memory (RAM).</extracomment>
        <translation>4GB 以上</translation>
    </message>
    <message>
        <source>Windows 7 SP1, Windows 8.1 or newer (64-bit)</source>
        <translation>Windows 7 SP1、Windows 8.1 以降 (64 ビット)</translation>
    </message>
    <message>
        <source>Your system meets the minimum recommended requirements and should be able to run Orvo. For a more in-depth scan of your computer&apos;s readiness for VR, run the SteamVR Performance Test.</source>
        <translation>お使いのシステムは推奨最小スペックを満たしており、Orvo を実行できます。VR への対応状況をさらに詳しく調べるには、SteamVR Performance Test を実行してください。</translation>
    </message>
    <message>
        <source>This computer doesn&apos;t meet Orvo&apos;s recommended minimum specifications. To upgrade to a fully-compatible computer system, browse the %1 website.</source>
        <extracomment>%1 is the link &quot;Orvo Ready&quot;, the name of the ready-PC website; it stays as it is.</extracomment>
        <translation>このコンピューターは Orvo の推奨最小スペックを満たしていません。完全に対応したコンピューターをお探しの場合は、%1 の Web サイトをご覧ください。</translation>
    </message>
    <message>
        <source>Some of this computer&apos;s components may not work well with Orvo. For more detailed information about your computer&apos;s readiness for Orvo, run the SteamVR Performance Test.</source>
        <translation>このコンピューターの一部のコンポーネントは、Orvo で正常に動作しない可能性があります。Orvo への対応状況を詳しく調べるには、SteamVR Performance Test を実行してください。</translation>
    </message>
    <message>
        <source>Graphics</source>
        <extracomment>Row label: the graphics card.</extracomment>
        <translation>ビデオカード</translation>
    </message>
    <message>
        <source>This graphics card may not work well with Orvo.</source>
        <translation>このビデオカードは Orvo で正常に動作しない可能性があります。</translation>
    </message>
    <message>
        <source>Processor</source>
        <translation>プロセッサー</translation>
    </message>
    <message>
        <source>This processor may not be powerful enough to run Orvo.</source>
        <translation>このプロセッサーは Orvo の実行に必要な性能を満たしていない可能性があります。</translation>
    </message>
    <message>
        <source>Memory</source>
        <extracomment>Row label: the memory (RAM).</extracomment>
        <translation>メモリー</translation>
    </message>
    <message>
        <source>%1 memory is recommended.</source>
        <extracomment>%1 is the recommended amount, &quot;4GB or more&quot;.</extracomment>
        <translation>%1のメモリーを推奨します。</translation>
    </message>
    <message>
        <source>OS</source>
        <extracomment>Row label: the operating system.</extracomment>
        <translation>OS</translation>
    </message>
    <message>
        <source>%1 is required.</source>
        <extracomment>%1 is the required system, &quot;Windows 7 SP1, Windows 8.1 or newer (64-bit)&quot;.</extracomment>
        <translation>%1 が必要です。</translation>
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
        <translation>Orvo には %1 が必要 (%2 クラス)</translation>
    </message>
    <message>
        <source>CPU Mark %1, single thread %2</source>
        <extracomment>%1 is the PassMark CPU Mark, %2 the PassMark single-thread rating.</extracomment>
        <translation>CPU Mark %1、シングルスレッド %2</translation>
    </message>
    <message>
        <source>%1 and %2 (%3)</source>
        <extracomment>%1 is the CPU Mark and %2 the single-thread rating Orvo needs, %3 the processor they come from.</extracomment>
        <translation>%1 と %2 (%3)</translation>
    </message>
    <message>
        <source>%1: both figures too low</source>
        <extracomment>%1 is a reference processor.</extracomment>
        <translation>%1: 両方のスコアが不足</translation>
    </message>
    <message>
        <source>%1: single thread too low</source>
        <extracomment>%1 is a reference processor.</extracomment>
        <translation>%1: シングルスレッドのスコアが不足</translation>
    </message>
    <message>
        <source>%1: CPU Mark too low</source>
        <extracomment>%1 is a reference processor.</extracomment>
        <translation>%1: CPU Mark のスコアが不足</translation>
    </message>
    <message>
        <source>Orvo needs %1</source>
        <extracomment>%1 is one or more &quot;figure and figure (processor)&quot;, joined by &quot;or&quot;.</extracomment>
        <translation>Orvo には %1 が必要</translation>
    </message>
    <message>
        <source> or </source>
        <translation> または </translation>
    </message>
    <message>
        <source>%1 GB</source>
        <extracomment>%1 is an amount of memory in gigabytes.</extracomment>
        <translation>%1 GB</translation>
    </message>
    <message>
        <source>Also found: %1 (not used for the verdict)</source>
        <extracomment>%1 lists the names of the other graphics adapters of the computer.</extracomment>
        <translation>ほかに検出: %1 (判定には使用していません)</translation>
    </message>
    <message>
        <source>no graphics adapter found</source>
        <translation>ビデオカードが見つかりません</translation>
    </message>
    <message>
        <source>Orvo needs 64-bit Windows 7 SP1, Windows 8.1 or newer</source>
        <translation>Orvo には 64 ビット版の Windows 7 SP1、Windows 8.1 以降が必要です</translation>
    </message>
    <message>
        <source>A faster graphics card would fix this.</source>
        <translation>より高速なビデオカードに交換すると解決します。</translation>
    </message>
    <message>
        <source>A faster processor would fix this; it may need a new mainboard.</source>
        <translation>より高速なプロセッサーに交換すると解決します。マザーボードの交換が必要になる場合があります。</translation>
    </message>
    <message>
        <source>Adding memory to reach %1 would fix this.</source>
        <extracomment>%1 is the amount Orvo needs, like &quot;4 GB&quot;.</extracomment>
        <translation>メモリーを %1 以上に増設すると解決します。</translation>
    </message>
    <message>
        <source>Installing 64-bit Windows 8.1 or newer would fix this.</source>
        <translation>64 ビット版の Windows 8.1 以降をインストールすると解決します。</translation>
    </message>
    <message>
        <source>The SteamVR Performance Test can tell how well it runs Orvo.</source>
        <extracomment>SteamVR Performance Test is the name of a program; it stays as it is.</extracomment>
        <translation>SteamVR Performance Test で、Orvo がどの程度快適に動作するかを確認できます。</translation>
    </message>
    <message>
        <source>Install the graphics driver and run the check again.</source>
        <translation>ビデオカードのドライバーをインストールして、もう一度チェックしてください。</translation>
    </message>
    <message>
        <source>The comparison data could not be read. Check the internet connection and start OrvoCheck again; if that does not help, reinstall OrvoCheck.</source>
        <translation>比較データを読み込めませんでした。インターネット接続を確認して OrvoCheck を再起動してください。解決しない場合は OrvoCheck を再インストールしてください。</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Joins a list of names (&quot;Intel UHD Graphics 630, AMD Radeon RX 580&quot;); keep the spaces your language puts around it.</extracomment>
        <translation>、</translation>
    </message>
    <message>
        <source>; </source>
        <extracomment>Joins two short reasons (&quot;Intel Core i5-4590: both figures too low; AMD FX-8350: CPU Mark too low&quot;); keep the spaces your language puts around it.</extracomment>
        <translation>、</translation>
    </message>
    <message>
        <source>comparison data %1</source>
        <extracomment>%1 is the version of the comparison data, like 2026.12.08; it is a name, not a date: keep it as it is.</extracomment>
        <translation>比較データ %1</translation>
    </message>
    <message>
        <source>%1–%2</source>
        <extracomment>A range of benchmark figures, %1 the lowest, %2 the highest.</extracomment>
        <translation>%1～%2</translation>
    </message>
    <message>
        <source>Ranked with the %1 family: every member is fast enough for Orvo</source>
        <comment>graphics card</comment>
        <translation>%1 ファミリーで判定：どのモデルも Orvo に十分な速さです</translation>
    </message>
    <message>
        <source>Ranked with the %1 family: every member is too slow for Orvo</source>
        <comment>graphics card</comment>
        <translation>%1 ファミリーで判定：どのモデルも Orvo には遅すぎます</translation>
    </message>
    <message>
        <source>Ranked with the %1 family: every member is fast enough for Orvo</source>
        <comment>processor</comment>
        <translation>%1 ファミリーで判定：どのモデルも Orvo に十分な速さです</translation>
    </message>
    <message>
        <source>Ranked with the %1 family: every member is too slow for Orvo</source>
        <comment>processor</comment>
        <translation>%1 ファミリーで判定：どのモデルも Orvo には遅すぎます</translation>
    </message>
    <message>
        <source>Listed as suitable (%1)</source>
        <comment>graphics card</comment>
        <translation>適合として掲載（%1）</translation>
    </message>
    <message>
        <source>Listed as unsuitable (%1)</source>
        <comment>graphics card</comment>
        <translation>不適合として掲載（%1）</translation>
    </message>
    <message>
        <source>Listed as suitable (%1)</source>
        <comment>processor</comment>
        <translation>適合として掲載（%1）</translation>
    </message>
    <message>
        <source>Listed as unsuitable (%1)</source>
        <comment>processor</comment>
        <translation>不適合として掲載（%1）</translation>
    </message>
    <message>
        <source>Listed as suitable (%1)</source>
        <comment>operating system</comment>
        <translation>適合として掲載（%1）</translation>
    </message>
    <message>
        <source>Listed as unsuitable (%1)</source>
        <comment>operating system</comment>
        <translation>不適合として掲載（%1）</translation>
    </message>
    <message>
        <source>On no list (%1)</source>
        <comment>graphics card</comment>
        <translation>どのリストにもありません（%1）</translation>
    </message>
    <message>
        <source>On no list (%1)</source>
        <comment>processor</comment>
        <translation>どのリストにもありません（%1）</translation>
    </message>
    <message>
        <source>On no list (%1)</source>
        <comment>operating system</comment>
        <translation>どのリストにもありません（%1）</translation>
    </message>
    <message>
        <source>The graphics of this computer cannot be replaced: Orvo needs a computer with faster graphics.</source>
        <translation>このコンピューターのグラフィックスは交換できません。Orvo には、より高速なグラフィックスを備えたコンピューターが必要です。</translation>
    </message>
    <message>
        <source>The processor of this computer cannot be replaced: Orvo needs a faster computer.</source>
        <translation>このコンピューターのプロセッサーは交換できません。Orvo には、より高速なコンピューターが必要です。</translation>
    </message>
    <message>
        <source>This release is not in the comparison data.</source>
        <translation>このリリースは比較データに含まれていません。</translation>
    </message>
    <message>
        <source>This release is not in the comparison data, which lists %1.</source>
        <extracomment>%1 lists the releases of the same system that the comparison data holds (&quot;Ubuntu 22.04, Ubuntu 24.04&quot;).</extracomment>
        <translation>このリリースは比較データに含まれていません。含まれているのは %1 です。</translation>
    </message>
    <message>
        <source>meets the minimum</source>
        <comment>graphics card</comment>
        <extracomment>Rank of a component, in the report&apos;s table.</extracomment>
        <translation>最小スペックを満たす</translation>
    </message>
    <message>
        <source>below the minimum</source>
        <comment>graphics card</comment>
        <translation>最小スペック未満</translation>
    </message>
    <message>
        <source>unknown</source>
        <comment>graphics card</comment>
        <translation>不明</translation>
    </message>
    <message>
        <source>not checked</source>
        <comment>graphics card</comment>
        <translation>未チェック</translation>
    </message>
    <message>
        <source>meets the minimum</source>
        <comment>processor</comment>
        <translation>最小スペックを満たす</translation>
    </message>
    <message>
        <source>below the minimum</source>
        <comment>processor</comment>
        <translation>最小スペック未満</translation>
    </message>
    <message>
        <source>unknown</source>
        <comment>processor</comment>
        <translation>不明</translation>
    </message>
    <message>
        <source>not checked</source>
        <comment>processor</comment>
        <translation>未チェック</translation>
    </message>
    <message>
        <source>meets the minimum</source>
        <comment>memory</comment>
        <translation>最小スペックを満たす</translation>
    </message>
    <message>
        <source>below the minimum</source>
        <comment>memory</comment>
        <translation>最小スペック未満</translation>
    </message>
    <message>
        <source>unknown</source>
        <comment>memory</comment>
        <translation>不明</translation>
    </message>
    <message>
        <source>not checked</source>
        <comment>memory</comment>
        <translation>未チェック</translation>
    </message>
    <message>
        <source>meets the minimum</source>
        <comment>operating system</comment>
        <translation>最小スペックを満たす</translation>
    </message>
    <message>
        <source>below the minimum</source>
        <comment>operating system</comment>
        <translation>最小スペック未満</translation>
    </message>
    <message>
        <source>unknown</source>
        <comment>operating system</comment>
        <translation>不明</translation>
    </message>
    <message>
        <source>not checked</source>
        <comment>operating system</comment>
        <translation>未チェック</translation>
    </message>
    <message>
        <source>meets the minimum</source>
        <comment>computer</comment>
        <translation>最小スペックを満たす</translation>
    </message>
    <message>
        <source>below the minimum</source>
        <comment>computer</comment>
        <translation>最小スペック未満</translation>
    </message>
    <message>
        <source>unknown</source>
        <comment>computer</comment>
        <translation>不明</translation>
    </message>
    <message>
        <source>not checked</source>
        <comment>computer</comment>
        <translation>未チェック</translation>
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
        <translation>NVIDIA GeForce (R) GTX 970 / AMD RadeonTM R9 290 相当以上</translation>
    </message>
    <message>
        <source>Intel i5-4590 or AMD FX 8350 equivalent or faster</source>
        <extracomment>Recommended processor; the product names stay as they are.</extracomment>
        <translation>Intel i5-4590 / AMD FX 8350 相当以上</translation>
    </message>
    <message>
        <source>Windows 7 SP1, Windows 8.1 or newer</source>
        <translation>Windows 7 SP1、Windows 8.1 以降</translation>
    </message>
</context>
<context>
    <name>pResult</name>
    <message>
        <source>Compare error!</source>
        <extracomment>Shown instead of a verdict when no comparison file could be read.</extracomment>
        <translation>比較エラー!</translation>
    </message>
    <message>
        <source>Order Orvo</source>
        <translation>Orvo を注文</translation>
    </message>
    <message>
        <source>SteamVR Performance Test</source>
        <extracomment>Opens the store page of the test program of that name.</extracomment>
        <translation>SteamVR Performance Test</translation>
    </message>
    <message>
        <source>Browse Orvo-Ready PCs</source>
        <extracomment>&quot;Orvo-Ready&quot; PCs: computers sold as ready for Orvo.</extracomment>
        <translation>Orvo Ready PC を見る</translation>
    </message>
    <message>
        <source>Headset connection</source>
        <extracomment>Heading of the part below the four rows: where the headset plugs in.</extracomment>
        <translation>ヘッドセットの接続</translation>
    </message>
    <message>
        <source>Video</source>
        <extracomment>Title of the line about the video ports.</extracomment>
        <translation>映像</translation>
    </message>
    <message>
        <source>USB</source>
        <translation>USB</translation>
    </message>
    <message>
        <source>Power</source>
        <extracomment>Title of the line about the power supply and the power plan.</extracomment>
        <translation>電源</translation>
    </message>
</context>
<context>
    <name>pWelcome</name>
    <message>
        <source>This tool will scan your system to determine whether it meets the minimum recommended requirements to run Orvo. It takes less than a minute.</source>
        <translation>このツールは、お使いのシステムが Orvo の推奨最小スペックを満たしているかどうかをスキャンします。1 分もかかりません。</translation>
    </message>
    <message>
        <source>Send system information (OS, RAM, CPU, and GPU) to Daxo to help improve Orvo Software. Review %1.</source>
        <extracomment>Beside the consent box. %1 is the link &quot;Daxo Privacy Policy&quot;.</extracomment>
        <translation>Orvo ソフトウェアの改善のため、システム情報 (OS、RAM、CPU、GPU) を Daxo に送信します。%1をご確認ください。</translation>
    </message>
    <message>
        <source>Daxo Privacy Policy</source>
        <extracomment>Link words inside the consent sentence.</extracomment>
        <translation>Daxo プライバシーポリシー</translation>
    </message>
    <message>
        <source>Start</source>
        <extracomment>Starts the check.</extracomment>
        <translation>開始</translation>
    </message>
</context>
</TS>
