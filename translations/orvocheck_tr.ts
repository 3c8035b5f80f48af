<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr_TR">
<context>
    <name>CheckingPanel</name>
    <message>
        <source>Checking your computer...</source>
        <translation>Bilgisayarınız denetleniyor...</translation>
    </message>
</context>
<context>
    <name>Console</name>
    <message>
        <source>Press any key to close this window.</source>
        <extracomment>Shown under the report when it runs in a console window of its own (started from Explorer), which closes with the program.</extracomment>
        <translation>Bu pencereyi kapatmak için herhangi bir tuşa basın.</translation>
    </message>
</context>
<context>
    <name>Header</name>
    <message>
        <source>Close</source>
        <extracomment>The window&apos;s close button, as a screen reader names it.</extracomment>
        <translation>Kapat</translation>
    </message>
    <message>
        <source>Quick Compatibility Check</source>
        <extracomment>The window&apos;s title under the logo.</extracomment>
        <translation>Hızlı Uyumluluk Denetimi</translation>
    </message>
</context>
<context>
    <name>HeadsetText</name>
    <message>
        <source>Connect the headset to a DisplayPort or HDMI port of the %1.</source>
        <extracomment>%1 is the graphics adapter the check ranked (&quot;NVIDIA GeForce GTX 1060 6GB&quot;).</extracomment>
        <translation>VR başlığını %1 ekran kartındaki bir DisplayPort veya HDMI bağlantı noktasına takın.</translation>
    </message>
    <message>
        <source>No HDMI or DisplayPort port was found; the headset needs one on the %1.</source>
        <extracomment>%1 is the graphics adapter the check ranked.</extracomment>
        <translation>HDMI veya DisplayPort bağlantı noktası bulunamadı; VR başlığının %1 ekran kartında böyle bir noktaya ihtiyacı var.</translation>
    </message>
    <message>
        <source>The video ports could not be read. Connect the headset to a DisplayPort or HDMI port of the most powerful graphics card.</source>
        <translation>Görüntü bağlantı noktaları okunamadı. VR başlığını en güçlü ekran kartındaki bir DisplayPort veya HDMI bağlantı noktasına takın.</translation>
    </message>
    <message>
        <source>Connect the headset to a USB 3 (SuperSpeed) port, often blue or marked SS.</source>
        <translation>VR başlığını bir USB 3 (SuperSpeed) bağlantı noktasına takın; bunlar genellikle mavidir veya SS işaretlidir.</translation>
    </message>
    <message>
        <source>Only USB 2.0 ports were found; tracking can fail on them. A USB 3 (SuperSpeed) port, for example on an add-in card, would fix this.</source>
        <translation>Yalnızca USB 2.0 bağlantı noktaları bulundu; izleme bunlarda başarısız olabilir. Bir USB 3 (SuperSpeed) bağlantı noktası, örneğin bir genişleme kartında, bunu çözer.</translation>
    </message>
    <message>
        <source>The USB ports could not be read. Connect the headset to a USB 3 (SuperSpeed) port, often blue or marked SS.</source>
        <translation>USB bağlantı noktaları okunamadı. VR başlığını bir USB 3 (SuperSpeed) bağlantı noktasına takın; bunlar genellikle mavidir veya SS işaretlidir.</translation>
    </message>
    <message>
        <source>ok</source>
        <extracomment>Status of a headset connection line: nothing to do.</extracomment>
        <translation>tamam</translation>
    </message>
    <message>
        <source>check</source>
        <extracomment>Status of a headset connection line: the user should look at it.</extracomment>
        <translation>kontrol edin</translation>
    </message>
    <message>
        <source>unknown</source>
        <extracomment>Status of a headset connection line: the system told nothing.</extracomment>
        <translation>bilinmiyor</translation>
    </message>
    <message>
        <source>HDMI is wired to the %1, but Orvo needs the %2. Use a port of that adapter if it has one (often USB-C), or switch the ports to it if the computer allows that.</source>
        <extracomment>%1 lists the adapters that have the HDMI ports (&quot;Intel UHD Graphics 630&quot;), %2 is the adapter Orvo needs (&quot;NVIDIA GeForce RTX 2070&quot;).</extracomment>
        <translation>HDMI %1 ekran kartına bağlı, ancak Orvo %2 ekran kartına ihtiyaç duyar. Varsa o kartın bir bağlantı noktasını kullanın (çoğunlukla USB-C) ya da bilgisayar izin veriyorsa bağlantı noktalarını ona geçirin.</translation>
    </message>
    <message>
        <source>DisplayPort is wired to the %1, but Orvo needs the %2. Use a port of that adapter if it has one (often USB-C), or switch the ports to it if the computer allows that.</source>
        <extracomment>%1 lists the adapters that have the DisplayPort ports, %2 is the adapter Orvo needs.</extracomment>
        <translation>DisplayPort %1 ekran kartına bağlı, ancak Orvo %2 ekran kartına ihtiyaç duyar. Varsa o kartın bir bağlantı noktasını kullanın (çoğunlukla USB-C) ya da bilgisayar izin veriyorsa bağlantı noktalarını ona geçirin.</translation>
    </message>
    <message>
        <source>HDMI and DisplayPort are wired to the %1, but Orvo needs the %2. Use a port of that adapter if it has one (often USB-C), or switch the ports to it if the computer allows that.</source>
        <extracomment>%1 lists the adapters that have the HDMI and DisplayPort ports, %2 is the adapter Orvo needs.</extracomment>
        <translation>HDMI ve DisplayPort %1 ekran kartına bağlı, ancak Orvo %2 ekran kartına ihtiyaç duyar. Varsa o kartın bir bağlantı noktasını kullanın (çoğunlukla USB-C) ya da bilgisayar izin veriyorsa bağlantı noktalarını ona geçirin.</translation>
    </message>
    <message>
        <source>Avoid the ports of the %1 controller: it is known to drop headsets.</source>
        <extracomment>%1 names USB controller chips (&quot;ASMedia ASM1042&quot;).</extracomment>
        <translation>%1 denetleyicisinin bağlantı noktalarını kullanmayın: bu denetleyicide VR başlıklarının bağlantısının koptuğu biliniyor.</translation>
    </message>
    <message>
        <source>A USB 3 controller runs the driver %1 rather than Windows&apos; own; if the headset drops out, use Windows&apos; driver.</source>
        <extracomment>%1 names Windows driver services (&quot;asmtxhci&quot;).</extracomment>
        <translation>Bir USB 3 denetleyicisi Windows&apos;un kendi sürücüsü yerine %1 sürücüsünü kullanıyor; VR başlığının bağlantısı koparsa Windows sürücüsüne geçin.</translation>
    </message>
    <message>
        <source>The driver of the %1 does not tell which video ports it has. Connect the headset to a DisplayPort or HDMI port of that graphics card.</source>
        <extracomment>%1 is the graphics adapter the check ranked.</extracomment>
        <translation>%1 ekran kartının sürücüsü, kartın hangi görüntü bağlantı noktalarına sahip olduğunu bildirmiyor. VR başlığını bu ekran kartındaki bir DisplayPort veya HDMI bağlantı noktasına takın.</translation>
    </message>
    <message>
        <source>The only USB 3 ports are on the %1 controller, which is known to drop headsets. Ports of another controller, or a USB 3 card with an Intel or Renesas chip, would fix this.</source>
        <extracomment>%1 names USB controller chips (&quot;ASMedia ASM1042&quot;).</extracomment>
        <translation>Tek USB 3 bağlantı noktaları %1 denetleyicisinde ve bu denetleyicide VR başlıklarının bağlantısının koptuğu biliniyor. Başka bir denetleyicinin bağlantı noktaları ya da Intel veya Renesas yongalı bir USB 3 kartı bunu çözer.</translation>
    </message>
    <message>
        <source>No battery was found: the computer runs on mains power.</source>
        <translation>Pil bulunamadı: bilgisayar şebeke elektriğiyle çalışıyor.</translation>
    </message>
    <message>
        <source>The computer is plugged in and does not save power.</source>
        <translation>Bilgisayar prize takılı ve güç tasarrufu yapmıyor.</translation>
    </message>
    <message>
        <source>The computer runs on battery, which slows the graphics down a lot. Plug it in and choose a performance power plan before using Orvo.</source>
        <translation>Bilgisayar pille çalışıyor; bu, grafikleri çok yavaşlatır. Orvo&apos;yu kullanmadan önce bilgisayarı prize takın ve yüksek performanslı bir güç planı seçin.</translation>
    </message>
    <message>
        <source>Battery saver is on and slows the computer down. Plug it in, turn battery saver off and choose a performance power plan before using Orvo.</source>
        <translation>Pil tasarrufu açık ve bilgisayarı yavaşlatıyor. Orvo&apos;yu kullanmadan önce bilgisayarı prize takın, pil tasarrufunu kapatın ve yüksek performanslı bir güç planı seçin.</translation>
    </message>
    <message>
        <source>A power-saving plan slows the graphics down. Plug the computer in and choose a performance power plan before using Orvo.</source>
        <translation>Güç tasarrufu planı grafikleri yavaşlatıyor. Orvo&apos;yu kullanmadan önce bilgisayarı prize takın ve yüksek performanslı bir güç planı seçin.</translation>
    </message>
    <message>
        <source>The power state could not be read. Plug a laptop in and choose a performance power plan before using Orvo.</source>
        <translation>Güç durumu okunamadı. Dizüstü bilgisayarsa Orvo&apos;yu kullanmadan önce prize takın ve yüksek performanslı bir güç planı seçin.</translation>
    </message>
    <message>
        <source>Connect the headset to a DisplayPort or HDMI port of the most powerful graphics card.</source>
        <translation>VR başlığını en güçlü ekran kartındaki bir DisplayPort veya HDMI bağlantı noktasına takın.</translation>
    </message>
</context>
<context>
    <name>RecommendBoard</name>
    <message>
        <source>Recommended Minimum Specifications</source>
        <translation>Önerilen Minimum Gereksinimler</translation>
    </message>
    <message>
        <source>Graphics</source>
        <extracomment>Row label: the graphics card.</extracomment>
        <translation>Ekran kartı</translation>
    </message>
    <message>
        <source>Processor</source>
        <translation>İşlemci</translation>
    </message>
    <message>
        <source>Memory</source>
        <extracomment>Row label: the memory (RAM).</extracomment>
        <translation>Bellek</translation>
    </message>
    <message>
        <source>Video Output</source>
        <extracomment>Row label: the connector for the headset&apos;s video (HDMI, DisplayPort).</extracomment>
        <translation>Görüntü çıkışı</translation>
    </message>
    <message>
        <source>HDMI 1.4 or DisplayPort 1.2 or newer</source>
        <translation>HDMI 1.4 / DisplayPort 1.2 veya üstü</translation>
    </message>
    <message>
        <source>USB</source>
        <extracomment>Row label: the USB port.</extracomment>
        <translation>USB</translation>
    </message>
    <message>
        <source>1x USB 2.0 or newer</source>
        <translation>1× USB 2.0 veya üstü</translation>
    </message>
    <message>
        <source>OS</source>
        <extracomment>Row label: the operating system.</extracomment>
        <translation>İşletim sistemi</translation>
    </message>
    <message>
        <source>For ORVO Pro, DisplayPort 1.2 is required, while USB 3.0 and Windows 8.1 (or newer) are recommended for the best experience.</source>
        <extracomment>ORVO Pro is a model of the headset; its name stays as it is.</extracomment>
        <translation>ORVO Pro için DisplayPort 1.2 gereklidir; en iyi deneyim için USB 3.0 ve Windows 8.1 (veya üstü) önerilir.</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>Compare error! No comparison file could be used (neither the downloaded nor the shipped one); run with --verbose to see why.</source>
        <extracomment>--verbose is an option of the command; it stays as it is.</extracomment>
        <translation>Karşılaştırma hatası! Hiçbir karşılaştırma dosyası kullanılamadı (ne indirilen ne de programla gelen); nedenini görmek için --verbose ile çalıştırın.</translation>
    </message>
    <message>
        <source>no graphics adapter found</source>
        <translation>ekran kartı bulunamadı</translation>
    </message>
    <message>
        <source>Component</source>
        <extracomment>Column heading of the report&apos;s table.</extracomment>
        <translation>Bileşen</translation>
    </message>
    <message>
        <source>Rank</source>
        <extracomment>Column heading of the report&apos;s table.</extracomment>
        <translation>Değerlendirme</translation>
    </message>
    <message>
        <source>OrvoCheck report (%1)</source>
        <extracomment>%1 is the program&apos;s version.</extracomment>
        <translation>OrvoCheck raporu (%1)</translation>
    </message>
    <message>
        <source>Comparison file version: %1</source>
        <translation>Karşılaştırma dosyası sürümü: %1</translation>
    </message>
    <message>
        <source>Found</source>
        <extracomment>Column heading of the report&apos;s table: what the check found.</extracomment>
        <translation>Bulunan</translation>
    </message>
    <message>
        <source>Graphics adapters:</source>
        <translation>Ekran kartları:</translation>
    </message>
    <message>
        <source>Verdict: %1</source>
        <extracomment>%1 is the rank of the whole computer.</extracomment>
        <translation>Sonuç: %1</translation>
    </message>
    <message>
        <source>Compare error! The comparison file %1 does not exist.</source>
        <extracomment>%1 is the file given with --comp.</extracomment>
        <translation>Karşılaştırma hatası! Karşılaştırma dosyası %1 bulunamadı.</translation>
    </message>
    <message>
        <source>Compare error! The comparison file %1 could not be used; run with --verbose to see why.</source>
        <extracomment>%1 is the file given with --comp; --verbose is an option of the command and stays as it is.</extracomment>
        <translation>Karşılaştırma hatası! %1 karşılaştırma dosyası kullanılamadı; nedenini görmek için --verbose ile çalıştırın.</translation>
    </message>
    <message>
        <source>%1 adapters, listed below</source>
        <extracomment>%1 is the number of graphics adapters (two or more).</extracomment>
        <translation>%1 ekran kartı, aşağıda listelenmiştir</translation>
    </message>
</context>
<context>
    <name>ResultText</name>
    <message>
        <source>4GB or more</source>
        <extracomment>Recommended amount of memory (RAM).</extracomment>
        <translation>4 GB veya üstü</translation>
    </message>
    <message>
        <source>Windows 7 SP1, Windows 8.1 or newer (64-bit)</source>
        <translation>Windows 7 SP1, Windows 8.1 veya üstü (64 bit)</translation>
    </message>
    <message>
        <source>Your system meets the minimum recommended requirements and should be able to run Orvo. For a more in-depth scan of your computer&apos;s readiness for VR, run the SteamVR Performance Test.</source>
        <translation>Sisteminiz önerilen minimum gereksinimleri karşılıyor ve Orvo&apos;yu çalıştırabilmelidir. Bilgisayarınızın VR&apos;a hazır olup olmadığını daha ayrıntılı incelemek için SteamVR Performance Test&apos;i çalıştırın.</translation>
    </message>
    <message>
        <source>This computer doesn&apos;t meet Orvo&apos;s recommended minimum specifications. To upgrade to a fully-compatible computer system, browse the %1 website.</source>
        <extracomment>%1 is the link &quot;Orvo Ready&quot;, the name of the ready-PC website; it stays as it is.</extracomment>
        <translation>Bu bilgisayar Orvo&apos;nun önerilen minimum gereksinimlerini karşılamıyor. Tam uyumlu bir bilgisayara geçmek için %1 web sitesine göz atın.</translation>
    </message>
    <message>
        <source>Some of this computer&apos;s components may not work well with Orvo. For more detailed information about your computer&apos;s readiness for Orvo, run the SteamVR Performance Test.</source>
        <translation>Bu bilgisayarın bazı bileşenleri Orvo ile iyi çalışmayabilir. Bilgisayarınızın Orvo&apos;ya ne kadar hazır olduğunu ayrıntılı öğrenmek için SteamVR Performance Test&apos;i çalıştırın.</translation>
    </message>
    <message>
        <source>Graphics</source>
        <extracomment>Row label: the graphics card.</extracomment>
        <translation>Ekran kartı</translation>
    </message>
    <message>
        <source>This graphics card may not work well with Orvo.</source>
        <translation>Bu ekran kartı Orvo ile iyi çalışmayabilir.</translation>
    </message>
    <message>
        <source>Processor</source>
        <translation>İşlemci</translation>
    </message>
    <message>
        <source>This processor may not be powerful enough to run Orvo.</source>
        <translation>Bu işlemci Orvo&apos;yu çalıştırmak için yeterince güçlü olmayabilir.</translation>
    </message>
    <message>
        <source>Memory</source>
        <extracomment>Row label: the memory (RAM).</extracomment>
        <translation>Bellek</translation>
    </message>
    <message>
        <source>%1 memory is recommended.</source>
        <extracomment>%1 is the recommended amount, &quot;4GB or more&quot;.</extracomment>
        <translation>%1 bellek önerilir.</translation>
    </message>
    <message>
        <source>OS</source>
        <extracomment>Row label: the operating system.</extracomment>
        <translation>İşletim sistemi</translation>
    </message>
    <message>
        <source>%1 is required.</source>
        <extracomment>%1 is the required system, &quot;Windows 7 SP1, Windows 8.1 or newer (64-bit)&quot;.</extracomment>
        <translation>%1 gereklidir.</translation>
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
        <translation>Orvo için %1 gerekir (%2 sınıfı)</translation>
    </message>
    <message>
        <source>CPU Mark %1, single thread %2</source>
        <extracomment>%1 is the PassMark CPU Mark, %2 the PassMark single-thread rating.</extracomment>
        <translation>CPU Mark %1, tek çekirdek %2</translation>
    </message>
    <message>
        <source>%1 and %2 (%3)</source>
        <extracomment>%1 is the CPU Mark and %2 the single-thread rating Orvo needs, %3 the processor they come from.</extracomment>
        <translation>%1 ve %2 (%3)</translation>
    </message>
    <message>
        <source>%1: both figures too low</source>
        <extracomment>%1 is a reference processor.</extracomment>
        <translation>%1: iki değer de çok düşük</translation>
    </message>
    <message>
        <source>%1: single thread too low</source>
        <extracomment>%1 is a reference processor.</extracomment>
        <translation>%1: tek çekirdek değeri çok düşük</translation>
    </message>
    <message>
        <source>%1: CPU Mark too low</source>
        <extracomment>%1 is a reference processor.</extracomment>
        <translation>%1: CPU Mark çok düşük</translation>
    </message>
    <message>
        <source>Orvo needs %1</source>
        <extracomment>%1 is one or more &quot;figure and figure (processor)&quot;, joined by &quot;or&quot;.</extracomment>
        <translation>Orvo için %1 gerekir</translation>
    </message>
    <message>
        <source> or </source>
        <translation> veya </translation>
    </message>
    <message>
        <source>%1 GB</source>
        <extracomment>%1 is an amount of memory in gigabytes.</extracomment>
        <translation>%1 GB</translation>
    </message>
    <message>
        <source>Also found: %1 (not used for the verdict)</source>
        <extracomment>%1 lists the names of the other graphics adapters of the computer.</extracomment>
        <translation>Ayrıca bulundu: %1 (sonuçta kullanılmadı)</translation>
    </message>
    <message>
        <source>no graphics adapter found</source>
        <translation>ekran kartı bulunamadı</translation>
    </message>
    <message>
        <source>Orvo needs 64-bit Windows 7 SP1, Windows 8.1 or newer</source>
        <translation>Orvo için 64 bit Windows 7 SP1, Windows 8.1 veya daha yenisi gerekir</translation>
    </message>
    <message>
        <source>A faster graphics card would fix this.</source>
        <translation>Daha hızlı bir ekran kartı bu sorunu çözer.</translation>
    </message>
    <message>
        <source>A faster processor would fix this; it may need a new mainboard.</source>
        <translation>Daha hızlı bir işlemci bu sorunu çözer; yeni bir anakart gerekebilir.</translation>
    </message>
    <message>
        <source>Adding memory to reach %1 would fix this.</source>
        <extracomment>%1 is the amount Orvo needs, like &quot;4 GB&quot;.</extracomment>
        <translation>Belleği %1 boyutuna çıkarmak bu sorunu çözer.</translation>
    </message>
    <message>
        <source>Installing 64-bit Windows 8.1 or newer would fix this.</source>
        <translation>64 bit Windows 8.1 veya daha yenisini yüklemek bu sorunu çözer.</translation>
    </message>
    <message>
        <source>The SteamVR Performance Test can tell how well it runs Orvo.</source>
        <extracomment>SteamVR Performance Test is the name of a program; it stays as it is.</extracomment>
        <translation>SteamVR Performance Test, Orvo&apos;nun ne kadar iyi çalışacağını gösterebilir.</translation>
    </message>
    <message>
        <source>Install the graphics driver and run the check again.</source>
        <translation>Ekran kartı sürücüsünü yükleyin ve denetimi yeniden çalıştırın.</translation>
    </message>
    <message>
        <source>The comparison data could not be read. Check the internet connection and start OrvoCheck again; if that does not help, reinstall OrvoCheck.</source>
        <translation>Karşılaştırma verileri okunamadı. İnternet bağlantısını kontrol edip OrvoCheck&apos;i yeniden başlatın; bu işe yaramazsa OrvoCheck&apos;i yeniden yükleyin.</translation>
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
        <translation>karşılaştırma verileri %1</translation>
    </message>
    <message>
        <source>%1–%2</source>
        <extracomment>A range of benchmark figures, %1 the lowest, %2 the highest.</extracomment>
        <translation>%1–%2</translation>
    </message>
    <message>
        <source>Ranked with the %1 family: every member is fast enough for Orvo</source>
        <comment>graphics card</comment>
        <translation>%1 ailesine göre değerlendirildi: ailenin her modeli Orvo için yeterince hızlı</translation>
    </message>
    <message>
        <source>Ranked with the %1 family: every member is too slow for Orvo</source>
        <comment>graphics card</comment>
        <translation>%1 ailesine göre değerlendirildi: ailenin her modeli Orvo için fazla yavaş</translation>
    </message>
    <message>
        <source>Ranked with the %1 family: every member is fast enough for Orvo</source>
        <comment>processor</comment>
        <translation>%1 ailesine göre değerlendirildi: ailenin her modeli Orvo için yeterince hızlı</translation>
    </message>
    <message>
        <source>Ranked with the %1 family: every member is too slow for Orvo</source>
        <comment>processor</comment>
        <translation>%1 ailesine göre değerlendirildi: ailenin her modeli Orvo için fazla yavaş</translation>
    </message>
    <message>
        <source>Listed as suitable (%1)</source>
        <comment>graphics card</comment>
        <translation>Uygun olanlar listesinde (%1)</translation>
    </message>
    <message>
        <source>Listed as unsuitable (%1)</source>
        <comment>graphics card</comment>
        <translation>Uygun olmayanlar listesinde (%1)</translation>
    </message>
    <message>
        <source>Listed as suitable (%1)</source>
        <comment>processor</comment>
        <translation>Uygun olanlar listesinde (%1)</translation>
    </message>
    <message>
        <source>Listed as unsuitable (%1)</source>
        <comment>processor</comment>
        <translation>Uygun olmayanlar listesinde (%1)</translation>
    </message>
    <message>
        <source>Listed as suitable (%1)</source>
        <comment>operating system</comment>
        <translation>Uygun olanlar listesinde (%1)</translation>
    </message>
    <message>
        <source>Listed as unsuitable (%1)</source>
        <comment>operating system</comment>
        <translation>Uygun olmayanlar listesinde (%1)</translation>
    </message>
    <message>
        <source>On no list (%1)</source>
        <comment>graphics card</comment>
        <translation>Hiçbir listede yok (%1)</translation>
    </message>
    <message>
        <source>On no list (%1)</source>
        <comment>processor</comment>
        <translation>Hiçbir listede yok (%1)</translation>
    </message>
    <message>
        <source>On no list (%1)</source>
        <comment>operating system</comment>
        <translation>Hiçbir listede yok (%1)</translation>
    </message>
    <message>
        <source>The graphics of this computer cannot be replaced: Orvo needs a computer with faster graphics.</source>
        <translation>Bu bilgisayarın grafik birimi değiştirilemez: Orvo için daha hızlı grafiklere sahip bir bilgisayar gerekir.</translation>
    </message>
    <message>
        <source>The processor of this computer cannot be replaced: Orvo needs a faster computer.</source>
        <translation>Bu bilgisayarın işlemcisi değiştirilemez: Orvo için daha hızlı bir bilgisayar gerekir.</translation>
    </message>
    <message>
        <source>This release is not in the comparison data.</source>
        <translation>Bu sürüm karşılaştırma verilerinde yok.</translation>
    </message>
    <message>
        <source>This release is not in the comparison data, which lists %1.</source>
        <extracomment>%1 lists the releases of the same system that the comparison data holds (&quot;Ubuntu 22.04, Ubuntu 24.04&quot;).</extracomment>
        <translation>Bu sürüm karşılaştırma verilerinde yok; verilerde şunlar var: %1.</translation>
    </message>
    <message>
        <source>meets the minimum</source>
        <comment>graphics card</comment>
        <extracomment>Rank of a component, in the report&apos;s table.</extracomment>
        <translation>minimumu karşılıyor</translation>
    </message>
    <message>
        <source>below the minimum</source>
        <comment>graphics card</comment>
        <translation>minimumun altında</translation>
    </message>
    <message>
        <source>unknown</source>
        <comment>graphics card</comment>
        <translation>bilinmiyor</translation>
    </message>
    <message>
        <source>not checked</source>
        <comment>graphics card</comment>
        <translation>denetlenmedi</translation>
    </message>
    <message>
        <source>meets the minimum</source>
        <comment>processor</comment>
        <translation>minimumu karşılıyor</translation>
    </message>
    <message>
        <source>below the minimum</source>
        <comment>processor</comment>
        <translation>minimumun altında</translation>
    </message>
    <message>
        <source>unknown</source>
        <comment>processor</comment>
        <translation>bilinmiyor</translation>
    </message>
    <message>
        <source>not checked</source>
        <comment>processor</comment>
        <translation>denetlenmedi</translation>
    </message>
    <message>
        <source>meets the minimum</source>
        <comment>memory</comment>
        <translation>minimumu karşılıyor</translation>
    </message>
    <message>
        <source>below the minimum</source>
        <comment>memory</comment>
        <translation>minimumun altında</translation>
    </message>
    <message>
        <source>unknown</source>
        <comment>memory</comment>
        <translation>bilinmiyor</translation>
    </message>
    <message>
        <source>not checked</source>
        <comment>memory</comment>
        <translation>denetlenmedi</translation>
    </message>
    <message>
        <source>meets the minimum</source>
        <comment>operating system</comment>
        <translation>minimumu karşılıyor</translation>
    </message>
    <message>
        <source>below the minimum</source>
        <comment>operating system</comment>
        <translation>minimumun altında</translation>
    </message>
    <message>
        <source>unknown</source>
        <comment>operating system</comment>
        <translation>bilinmiyor</translation>
    </message>
    <message>
        <source>not checked</source>
        <comment>operating system</comment>
        <translation>denetlenmedi</translation>
    </message>
    <message>
        <source>meets the minimum</source>
        <comment>computer</comment>
        <translation>minimumu karşılıyor</translation>
    </message>
    <message>
        <source>below the minimum</source>
        <comment>computer</comment>
        <translation>minimumun altında</translation>
    </message>
    <message>
        <source>unknown</source>
        <comment>computer</comment>
        <translation>bilinmiyor</translation>
    </message>
    <message>
        <source>not checked</source>
        <comment>computer</comment>
        <translation>denetlenmedi</translation>
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
        <translation>NVIDIA GeForce (R) GTX 970, AMD RadeonTM R9 290 veya daha iyisi</translation>
    </message>
    <message>
        <source>Intel i5-4590 or AMD FX 8350 equivalent or faster</source>
        <extracomment>Recommended processor; the product names stay as they are.</extracomment>
        <translation>Intel i5-4590, AMD FX 8350 veya daha iyisi</translation>
    </message>
    <message>
        <source>Windows 7 SP1, Windows 8.1 or newer</source>
        <translation>Windows 7 SP1, Windows 8.1 veya üstü</translation>
    </message>
</context>
<context>
    <name>pResult</name>
    <message>
        <source>Compare error!</source>
        <extracomment>Shown instead of a verdict when no comparison file could be read.</extracomment>
        <translation>Karşılaştırma hatası!</translation>
    </message>
    <message>
        <source>Order Orvo</source>
        <translation>Orvo sipariş et</translation>
    </message>
    <message>
        <source>SteamVR Performance Test</source>
        <extracomment>Opens the store page of the test program of that name.</extracomment>
        <translation>SteamVR Performance Test</translation>
    </message>
    <message>
        <source>Browse Orvo-Ready PCs</source>
        <extracomment>&quot;Orvo-Ready&quot; PCs: computers sold as ready for Orvo.</extracomment>
        <translation>Orvo Ready PC&apos;lere göz at</translation>
    </message>
    <message>
        <source>Headset connection</source>
        <extracomment>Heading of the part below the four rows: where the headset plugs in.</extracomment>
        <translation>VR başlığı bağlantısı</translation>
    </message>
    <message>
        <source>Video</source>
        <extracomment>Title of the line about the video ports.</extracomment>
        <translation>Görüntü</translation>
    </message>
    <message>
        <source>USB</source>
        <translation>USB</translation>
    </message>
    <message>
        <source>Power</source>
        <extracomment>Title of the line about the power supply and the power plan.</extracomment>
        <translation>Güç</translation>
    </message>
</context>
<context>
    <name>pWelcome</name>
    <message>
        <source>This tool will scan your system to determine whether it meets the minimum recommended requirements to run Orvo. It takes less than a minute.</source>
        <translation>Bu araç, sisteminizi tarayarak Orvo için önerilen minimum gereksinimleri karşılayıp karşılamadığını belirler. Bir dakikadan kısa sürer.</translation>
    </message>
    <message>
        <source>Send system information (OS, RAM, CPU, and GPU) to Daxo to help improve Orvo Software. Review %1.</source>
        <extracomment>Beside the consent box. %1 is the link &quot;Daxo Privacy Policy&quot;.</extracomment>
        <translation>Orvo yazılımını geliştirmeye yardım etmek için sistem bilgilerini (OS, RAM, CPU, GPU) Daxo&apos;ya gönder. Bkz. %1.</translation>
    </message>
    <message>
        <source>Daxo Privacy Policy</source>
        <extracomment>Link words inside the consent sentence.</extracomment>
        <translation>Daxo Gizlilik Politikası</translation>
    </message>
    <message>
        <source>Start</source>
        <extracomment>Starts the check.</extracomment>
        <translation>Başlat</translation>
    </message>
</context>
</TS>
