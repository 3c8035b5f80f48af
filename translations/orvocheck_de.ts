<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>CheckingPanel</name>
    <message>
        <source>Checking your computer...</source>
        <translation>Ihr Computer wird geprüft...</translation>
    </message>
</context>
<context>
    <name>Console</name>
    <message>
        <source>Press any key to close this window.</source>
        <extracomment>Shown under the report when it runs in a console window of its own (started from Explorer), which closes with the program.</extracomment>
        <translation>Drücken Sie eine beliebige Taste, um dieses Fenster zu schließen.</translation>
    </message>
</context>
<context>
    <name>Header</name>
    <message>
        <source>Close</source>
        <extracomment>The window&apos;s close button, as a screen reader names it.</extracomment>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Quick Compatibility Check</source>
        <extracomment>The window&apos;s title under the logo.</extracomment>
        <translation>Schneller Kompatibilitätstest</translation>
    </message>
</context>
<context>
    <name>HeadsetText</name>
    <message>
        <source>Connect the headset to a DisplayPort or HDMI port of the %1.</source>
        <extracomment>%1 is the graphics adapter the check ranked (&quot;NVIDIA GeForce GTX 1060 6GB&quot;).</extracomment>
        <translation>Schließen Sie das Headset an einen DisplayPort- oder HDMI-Anschluss der %1 an.</translation>
    </message>
    <message>
        <source>No HDMI or DisplayPort port was found; the headset needs one on the %1.</source>
        <extracomment>%1 is the graphics adapter the check ranked.</extracomment>
        <translation>Kein HDMI- oder DisplayPort-Anschluss gefunden; das Headset braucht einen an der %1.</translation>
    </message>
    <message>
        <source>The video ports could not be read. Connect the headset to a DisplayPort or HDMI port of the most powerful graphics card.</source>
        <translation>Die Videoanschlüsse ließen sich nicht auslesen. Schließen Sie das Headset an einen DisplayPort- oder HDMI-Anschluss der leistungsstärksten Grafikkarte an.</translation>
    </message>
    <message>
        <source>Connect the headset to a USB 3 (SuperSpeed) port, often blue or marked SS.</source>
        <translation>Schließen Sie das Headset an einen USB-3-Anschluss (SuperSpeed) an, oft blau oder mit SS beschriftet.</translation>
    </message>
    <message>
        <source>Only USB 2.0 ports were found; tracking can fail on them. A USB 3 (SuperSpeed) port, for example on an add-in card, would fix this.</source>
        <translation>Nur USB-2.0-Anschlüsse gefunden; das Tracking kann an ihnen versagen. Ein USB-3-Anschluss (SuperSpeed), etwa auf einer Steckkarte, würde das beheben.</translation>
    </message>
    <message>
        <source>The USB ports could not be read. Connect the headset to a USB 3 (SuperSpeed) port, often blue or marked SS.</source>
        <translation>Die USB-Anschlüsse ließen sich nicht auslesen. Schließen Sie das Headset an einen USB-3-Anschluss (SuperSpeed) an, oft blau oder mit SS beschriftet.</translation>
    </message>
    <message>
        <source>ok</source>
        <extracomment>Status of a headset connection line: nothing to do.</extracomment>
        <translation>ok</translation>
    </message>
    <message>
        <source>check</source>
        <extracomment>Status of a headset connection line: the user should look at it.</extracomment>
        <translation>prüfen</translation>
    </message>
    <message>
        <source>unknown</source>
        <extracomment>Status of a headset connection line: the system told nothing.</extracomment>
        <translation>unbekannt</translation>
    </message>
    <message>
        <source>HDMI is wired to the %1, but Orvo needs the %2. Use a port of that adapter if it has one (often USB-C), or switch the ports to it if the computer allows that.</source>
        <extracomment>%1 lists the adapters that have the HDMI ports (&quot;Intel UHD Graphics 630&quot;), %2 is the adapter Orvo needs (&quot;NVIDIA GeForce RTX 2070&quot;).</extracomment>
        <translation>HDMI gehört hier zur %1, Orvo braucht aber die %2. Nutzen Sie einen Anschluss dieser Grafikkarte, falls sie einen hat (oft USB-C), oder schalten Sie die Anschlüsse auf sie um, sofern der Computer das erlaubt.</translation>
    </message>
    <message>
        <source>DisplayPort is wired to the %1, but Orvo needs the %2. Use a port of that adapter if it has one (often USB-C), or switch the ports to it if the computer allows that.</source>
        <extracomment>%1 lists the adapters that have the DisplayPort ports, %2 is the adapter Orvo needs.</extracomment>
        <translation>DisplayPort gehört hier zur %1, Orvo braucht aber die %2. Nutzen Sie einen Anschluss dieser Grafikkarte, falls sie einen hat (oft USB-C), oder schalten Sie die Anschlüsse auf sie um, sofern der Computer das erlaubt.</translation>
    </message>
    <message>
        <source>HDMI and DisplayPort are wired to the %1, but Orvo needs the %2. Use a port of that adapter if it has one (often USB-C), or switch the ports to it if the computer allows that.</source>
        <extracomment>%1 lists the adapters that have the HDMI and DisplayPort ports, %2 is the adapter Orvo needs.</extracomment>
        <translation>HDMI und DisplayPort gehören hier zur %1, Orvo braucht aber die %2. Nutzen Sie einen Anschluss dieser Grafikkarte, falls sie einen hat (oft USB-C), oder schalten Sie die Anschlüsse auf sie um, sofern der Computer das erlaubt.</translation>
    </message>
    <message>
        <source>Avoid the ports of the %1 controller: it is known to drop headsets.</source>
        <extracomment>%1 names USB controller chips (&quot;ASMedia ASM1042&quot;).</extracomment>
        <translation>Meiden Sie die Anschlüsse des Controllers %1: An ihm setzen Headsets bekanntermaßen aus.</translation>
    </message>
    <message>
        <source>A USB 3 controller runs the driver %1 rather than Windows&apos; own; if the headset drops out, use Windows&apos; driver.</source>
        <extracomment>%1 names Windows driver services (&quot;asmtxhci&quot;).</extracomment>
        <translation>Ein USB-3-Controller läuft mit dem Treiber %1 statt mit dem von Windows; falls das Headset aussetzt, nutzen Sie den Windows-Treiber.</translation>
    </message>
    <message>
        <source>The driver of the %1 does not tell which video ports it has. Connect the headset to a DisplayPort or HDMI port of that graphics card.</source>
        <extracomment>%1 is the graphics adapter the check ranked.</extracomment>
        <translation>Der Treiber der %1 gibt nicht an, welche Bildanschlüsse sie hat. Schließen Sie das Headset an einen DisplayPort- oder HDMI-Anschluss dieser Grafikkarte an.</translation>
    </message>
    <message>
        <source>The only USB 3 ports are on the %1 controller, which is known to drop headsets. Ports of another controller, or a USB 3 card with an Intel or Renesas chip, would fix this.</source>
        <extracomment>%1 names USB controller chips (&quot;ASMedia ASM1042&quot;).</extracomment>
        <translation>Die einzigen USB-3-Anschlüsse hängen am Controller %1, an dem Headsets bekanntermaßen aussetzen. Anschlüsse eines anderen Controllers oder eine USB-3-Steckkarte mit Intel- oder Renesas-Chip würden das beheben.</translation>
    </message>
    <message>
        <source>No battery was found: the computer runs on mains power.</source>
        <translation>Kein Akku gefunden: Der Computer läuft am Stromnetz.</translation>
    </message>
    <message>
        <source>The computer is plugged in and does not save power.</source>
        <translation>Der Computer hängt am Netzteil und spart keine Energie.</translation>
    </message>
    <message>
        <source>The computer runs on battery, which slows the graphics down a lot. Plug it in and choose a performance power plan before using Orvo.</source>
        <translation>Der Computer läuft im Akkubetrieb, der die Grafik stark bremst. Schließen Sie das Netzteil an und wählen Sie den Energiesparplan „Höchstleistung“, bevor Sie Orvo nutzen.</translation>
    </message>
    <message>
        <source>Battery saver is on and slows the computer down. Plug it in, turn battery saver off and choose a performance power plan before using Orvo.</source>
        <translation>Der Stromsparmodus ist an und bremst den Computer. Schließen Sie das Netzteil an, schalten Sie den Stromsparmodus aus und wählen Sie den Energiesparplan „Höchstleistung“, bevor Sie Orvo nutzen.</translation>
    </message>
    <message>
        <source>A power-saving plan slows the graphics down. Plug the computer in and choose a performance power plan before using Orvo.</source>
        <translation>Ein sparsamer Energiesparplan bremst die Grafik. Schließen Sie das Netzteil an und wählen Sie den Energiesparplan „Höchstleistung“, bevor Sie Orvo nutzen.</translation>
    </message>
    <message>
        <source>The power state could not be read. Plug a laptop in and choose a performance power plan before using Orvo.</source>
        <translation>Der Energiezustand ließ sich nicht lesen. Schließen Sie einen Laptop ans Netzteil an und wählen Sie den Energiesparplan „Höchstleistung“, bevor Sie Orvo nutzen.</translation>
    </message>
    <message>
        <source>Connect the headset to a DisplayPort or HDMI port of the most powerful graphics card.</source>
        <translation>Schließen Sie das Headset an einen DisplayPort- oder HDMI-Anschluss der leistungsstärksten Grafikkarte an.</translation>
    </message>
</context>
<context>
    <name>RecommendBoard</name>
    <message>
        <source>Recommended Minimum Specifications</source>
        <translation>Empfohlene Mindestanforderungen</translation>
    </message>
    <message>
        <source>Graphics</source>
        <extracomment>Row label: the graphics card.</extracomment>
        <translation>Grafikkarte</translation>
    </message>
    <message>
        <source>Processor</source>
        <translation>Prozessor</translation>
    </message>
    <message>
        <source>Memory</source>
        <extracomment>Row label: the memory (RAM).</extracomment>
        <translation>Arbeitsspeicher</translation>
    </message>
    <message>
        <source>Video Output</source>
        <extracomment>Row label: the connector for the headset&apos;s video (HDMI, DisplayPort).</extracomment>
        <translation>Videoausgang</translation>
    </message>
    <message>
        <source>HDMI 1.4 or DisplayPort 1.2 or newer</source>
        <translation>HDMI 1.4 / DisplayPort 1.2 oder neuer</translation>
    </message>
    <message>
        <source>USB</source>
        <extracomment>Row label: the USB port.</extracomment>
        <translation>USB</translation>
    </message>
    <message>
        <source>1x USB 2.0 or newer</source>
        <translation>1× USB 2.0 oder neuer</translation>
    </message>
    <message>
        <source>OS</source>
        <extracomment>Row label: the operating system.</extracomment>
        <translation>Betriebssystem</translation>
    </message>
    <message>
        <source>For ORVO Pro, DisplayPort 1.2 is required, while USB 3.0 and Windows 8.1 (or newer) are recommended for the best experience.</source>
        <extracomment>ORVO Pro is a model of the headset; its name stays as it is.</extracomment>
        <translation>Für ORVO Pro ist DisplayPort 1.2 erforderlich; für das beste Erlebnis werden USB 3.0 und Windows 8.1 (oder neuer) empfohlen.</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>Compare error! No comparison file could be used (neither the downloaded nor the shipped one); run with --verbose to see why.</source>
        <extracomment>--verbose is an option of the command; it stays as it is.</extracomment>
        <translation>Vergleichsfehler! Keine Vergleichsdatei ließ sich verwenden (weder die heruntergeladene noch die mitgelieferte); mit --verbose sehen Sie, warum.</translation>
    </message>
    <message>
        <source>no graphics adapter found</source>
        <translation>keine Grafikkarte gefunden</translation>
    </message>
    <message>
        <source>Component</source>
        <extracomment>Column heading of the report&apos;s table.</extracomment>
        <translation>Komponente</translation>
    </message>
    <message>
        <source>Rank</source>
        <extracomment>Column heading of the report&apos;s table.</extracomment>
        <translation>Bewertung</translation>
    </message>
    <message>
        <source>OrvoCheck report (%1)</source>
        <extracomment>%1 is the program&apos;s version.</extracomment>
        <translation>OrvoCheck-Bericht (%1)</translation>
    </message>
    <message>
        <source>Comparison file version: %1</source>
        <translation>Version der Vergleichsdatei: %1</translation>
    </message>
    <message>
        <source>Found</source>
        <extracomment>Column heading of the report&apos;s table: what the check found.</extracomment>
        <translation>Gefunden</translation>
    </message>
    <message>
        <source>Graphics adapters:</source>
        <translation>Grafikkarten:</translation>
    </message>
    <message>
        <source>Verdict: %1</source>
        <extracomment>%1 is the rank of the whole computer.</extracomment>
        <translation>Ergebnis: %1</translation>
    </message>
    <message>
        <source>Compare error! The comparison file %1 does not exist.</source>
        <extracomment>%1 is the file given with --comp.</extracomment>
        <translation>Vergleichsfehler! Die Vergleichsdatei %1 existiert nicht.</translation>
    </message>
    <message>
        <source>Compare error! The comparison file %1 could not be used; run with --verbose to see why.</source>
        <extracomment>%1 is the file given with --comp; --verbose is an option of the command and stays as it is.</extracomment>
        <translation>Vergleichsfehler! Die Vergleichsdatei %1 ließ sich nicht verwenden; mit --verbose sehen Sie, warum.</translation>
    </message>
    <message>
        <source>%1 adapters, listed below</source>
        <extracomment>%1 is the number of graphics adapters (two or more).</extracomment>
        <translation>%1 Grafikkarten, unten aufgeführt</translation>
    </message>
</context>
<context>
    <name>ResultText</name>
    <message>
        <source>4GB or more</source>
        <extracomment>Recommended amount of memory (RAM).</extracomment>
        <translation>4 GB oder mehr</translation>
    </message>
    <message>
        <source>Windows 7 SP1, Windows 8.1 or newer (64-bit)</source>
        <translation>Windows 7 SP1, Windows 8.1 oder neuer (64 Bit)</translation>
    </message>
    <message>
        <source>Your system meets the minimum recommended requirements and should be able to run Orvo. For a more in-depth scan of your computer&apos;s readiness for VR, run the SteamVR Performance Test.</source>
        <translation>Ihr System erfüllt die empfohlenen Mindestanforderungen und sollte Orvo ausführen können. Eine gründlichere Prüfung der VR-Tauglichkeit Ihres Computers bietet der SteamVR Performance Test.</translation>
    </message>
    <message>
        <source>This computer doesn&apos;t meet Orvo&apos;s recommended minimum specifications. To upgrade to a fully-compatible computer system, browse the %1 website.</source>
        <extracomment>%1 is the link &quot;Orvo Ready&quot;, the name of the ready-PC website; it stays as it is.</extracomment>
        <translation>Dieser Computer erfüllt die empfohlenen Mindestanforderungen für Orvo nicht. Einen voll kompatiblen Computer finden Sie auf der Website %1.</translation>
    </message>
    <message>
        <source>Some of this computer&apos;s components may not work well with Orvo. For more detailed information about your computer&apos;s readiness for Orvo, run the SteamVR Performance Test.</source>
        <translation>Einige Komponenten dieses Computers funktionieren mit Orvo möglicherweise nicht gut. Genauere Informationen zur Orvo-Tauglichkeit Ihres Computers liefert der SteamVR Performance Test.</translation>
    </message>
    <message>
        <source>Graphics</source>
        <extracomment>Row label: the graphics card.</extracomment>
        <translation>Grafikkarte</translation>
    </message>
    <message>
        <source>This graphics card may not work well with Orvo.</source>
        <translation>Diese Grafikkarte funktioniert mit Orvo möglicherweise nicht gut.</translation>
    </message>
    <message>
        <source>Processor</source>
        <translation>Prozessor</translation>
    </message>
    <message>
        <source>This processor may not be powerful enough to run Orvo.</source>
        <translation>Dieser Prozessor ist für Orvo möglicherweise nicht leistungsstark genug.</translation>
    </message>
    <message>
        <source>Memory</source>
        <extracomment>Row label: the memory (RAM).</extracomment>
        <translation>Arbeitsspeicher</translation>
    </message>
    <message>
        <source>%1 memory is recommended.</source>
        <extracomment>%1 is the recommended amount, &quot;4GB or more&quot;.</extracomment>
        <translation>%1 Arbeitsspeicher werden empfohlen.</translation>
    </message>
    <message>
        <source>OS</source>
        <extracomment>Row label: the operating system.</extracomment>
        <translation>Betriebssystem</translation>
    </message>
    <message>
        <source>%1 is required.</source>
        <extracomment>%1 is the required system, &quot;Windows 7 SP1, Windows 8.1 or newer (64-bit)&quot;.</extracomment>
        <translation>%1 ist erforderlich.</translation>
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
        <translation>Orvo benötigt %1 (Klasse %2)</translation>
    </message>
    <message>
        <source>CPU Mark %1, single thread %2</source>
        <extracomment>%1 is the PassMark CPU Mark, %2 the PassMark single-thread rating.</extracomment>
        <translation>CPU Mark %1, Single-Thread %2</translation>
    </message>
    <message>
        <source>%1 and %2 (%3)</source>
        <extracomment>%1 is the CPU Mark and %2 the single-thread rating Orvo needs, %3 the processor they come from.</extracomment>
        <translation>%1 und %2 (%3)</translation>
    </message>
    <message>
        <source>%1: both figures too low</source>
        <extracomment>%1 is a reference processor.</extracomment>
        <translation>%1: beide Werte zu niedrig</translation>
    </message>
    <message>
        <source>%1: single thread too low</source>
        <extracomment>%1 is a reference processor.</extracomment>
        <translation>%1: Single-Thread zu niedrig</translation>
    </message>
    <message>
        <source>%1: CPU Mark too low</source>
        <extracomment>%1 is a reference processor.</extracomment>
        <translation>%1: CPU Mark zu niedrig</translation>
    </message>
    <message>
        <source>Orvo needs %1</source>
        <extracomment>%1 is one or more &quot;figure and figure (processor)&quot;, joined by &quot;or&quot;.</extracomment>
        <translation>Orvo benötigt %1</translation>
    </message>
    <message>
        <source> or </source>
        <translation> oder </translation>
    </message>
    <message>
        <source>%1 GB</source>
        <extracomment>%1 is an amount of memory in gigabytes.</extracomment>
        <translation>%1 GB</translation>
    </message>
    <message>
        <source>Also found: %1 (not used for the verdict)</source>
        <extracomment>%1 lists the names of the other graphics adapters of the computer.</extracomment>
        <translation>Außerdem gefunden: %1 (nicht für das Ergebnis verwendet)</translation>
    </message>
    <message>
        <source>no graphics adapter found</source>
        <translation>keine Grafikkarte gefunden</translation>
    </message>
    <message>
        <source>Orvo needs 64-bit Windows 7 SP1, Windows 8.1 or newer</source>
        <translation>Orvo benötigt 64-Bit-Windows 7 SP1, Windows 8.1 oder neuer</translation>
    </message>
    <message>
        <source>A faster graphics card would fix this.</source>
        <translation>Eine schnellere Grafikkarte würde das beheben.</translation>
    </message>
    <message>
        <source>A faster processor would fix this; it may need a new mainboard.</source>
        <translation>Ein schnellerer Prozessor würde das beheben; dafür ist eventuell ein neues Mainboard nötig.</translation>
    </message>
    <message>
        <source>Adding memory to reach %1 would fix this.</source>
        <extracomment>%1 is the amount Orvo needs, like &quot;4 GB&quot;.</extracomment>
        <translation>Eine Aufrüstung des Arbeitsspeichers auf %1 würde das beheben.</translation>
    </message>
    <message>
        <source>Installing 64-bit Windows 8.1 or newer would fix this.</source>
        <translation>Die Installation von 64-Bit-Windows 8.1 oder neuer würde das beheben.</translation>
    </message>
    <message>
        <source>The SteamVR Performance Test can tell how well it runs Orvo.</source>
        <extracomment>SteamVR Performance Test is the name of a program; it stays as it is.</extracomment>
        <translation>Der SteamVR Performance Test kann zeigen, wie gut Orvo darauf läuft.</translation>
    </message>
    <message>
        <source>Install the graphics driver and run the check again.</source>
        <translation>Installieren Sie den Grafiktreiber und starten Sie die Prüfung erneut.</translation>
    </message>
    <message>
        <source>The comparison data could not be read. Check the internet connection and start OrvoCheck again; if that does not help, reinstall OrvoCheck.</source>
        <translation>Die Vergleichsdaten konnten nicht gelesen werden. Prüfen Sie die Internetverbindung und starten Sie OrvoCheck erneut; hilft das nicht, installieren Sie OrvoCheck neu.</translation>
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
        <translation>Vergleichsdaten %1</translation>
    </message>
    <message>
        <source>%1–%2</source>
        <extracomment>A range of benchmark figures, %1 the lowest, %2 the highest.</extracomment>
        <translation>%1–%2</translation>
    </message>
    <message>
        <source>Ranked with the %1 family: every member is fast enough for Orvo</source>
        <comment>graphics card</comment>
        <translation>Nach der Familie %1 eingestuft: jedes ihrer Modelle ist schnell genug für Orvo</translation>
    </message>
    <message>
        <source>Ranked with the %1 family: every member is too slow for Orvo</source>
        <comment>graphics card</comment>
        <translation>Nach der Familie %1 eingestuft: jedes ihrer Modelle ist zu langsam für Orvo</translation>
    </message>
    <message>
        <source>Ranked with the %1 family: every member is fast enough for Orvo</source>
        <comment>processor</comment>
        <translation>Nach der Familie %1 eingestuft: jedes ihrer Modelle ist schnell genug für Orvo</translation>
    </message>
    <message>
        <source>Ranked with the %1 family: every member is too slow for Orvo</source>
        <comment>processor</comment>
        <translation>Nach der Familie %1 eingestuft: jedes ihrer Modelle ist zu langsam für Orvo</translation>
    </message>
    <message>
        <source>Listed as suitable (%1)</source>
        <comment>graphics card</comment>
        <translation>Als geeignet geführt (%1)</translation>
    </message>
    <message>
        <source>Listed as unsuitable (%1)</source>
        <comment>graphics card</comment>
        <translation>Als ungeeignet geführt (%1)</translation>
    </message>
    <message>
        <source>Listed as suitable (%1)</source>
        <comment>processor</comment>
        <translation>Als geeignet geführt (%1)</translation>
    </message>
    <message>
        <source>Listed as unsuitable (%1)</source>
        <comment>processor</comment>
        <translation>Als ungeeignet geführt (%1)</translation>
    </message>
    <message>
        <source>Listed as suitable (%1)</source>
        <comment>operating system</comment>
        <translation>Als geeignet geführt (%1)</translation>
    </message>
    <message>
        <source>Listed as unsuitable (%1)</source>
        <comment>operating system</comment>
        <translation>Als ungeeignet geführt (%1)</translation>
    </message>
    <message>
        <source>On no list (%1)</source>
        <comment>graphics card</comment>
        <translation>Auf keiner Liste (%1)</translation>
    </message>
    <message>
        <source>On no list (%1)</source>
        <comment>processor</comment>
        <translation>Auf keiner Liste (%1)</translation>
    </message>
    <message>
        <source>On no list (%1)</source>
        <comment>operating system</comment>
        <translation>Auf keiner Liste (%1)</translation>
    </message>
    <message>
        <source>The graphics of this computer cannot be replaced: Orvo needs a computer with faster graphics.</source>
        <translation>Die Grafik dieses Computers lässt sich nicht austauschen: Orvo benötigt einen Computer mit schnellerer Grafik.</translation>
    </message>
    <message>
        <source>The processor of this computer cannot be replaced: Orvo needs a faster computer.</source>
        <translation>Der Prozessor dieses Computers lässt sich nicht austauschen: Orvo benötigt einen schnelleren Computer.</translation>
    </message>
    <message>
        <source>This release is not in the comparison data.</source>
        <translation>Diese Version ist nicht in den Vergleichsdaten enthalten.</translation>
    </message>
    <message>
        <source>This release is not in the comparison data, which lists %1.</source>
        <extracomment>%1 lists the releases of the same system that the comparison data holds (&quot;Ubuntu 22.04, Ubuntu 24.04&quot;).</extracomment>
        <translation>Diese Version ist nicht in den Vergleichsdaten enthalten; enthalten sind %1.</translation>
    </message>
    <message>
        <source>meets the minimum</source>
        <comment>graphics card</comment>
        <extracomment>Rank of a component, in the report&apos;s table.</extracomment>
        <translation>erfüllt das Minimum</translation>
    </message>
    <message>
        <source>below the minimum</source>
        <comment>graphics card</comment>
        <translation>unter dem Minimum</translation>
    </message>
    <message>
        <source>unknown</source>
        <comment>graphics card</comment>
        <translation>unbekannt</translation>
    </message>
    <message>
        <source>not checked</source>
        <comment>graphics card</comment>
        <translation>nicht geprüft</translation>
    </message>
    <message>
        <source>meets the minimum</source>
        <comment>processor</comment>
        <translation>erfüllt das Minimum</translation>
    </message>
    <message>
        <source>below the minimum</source>
        <comment>processor</comment>
        <translation>unter dem Minimum</translation>
    </message>
    <message>
        <source>unknown</source>
        <comment>processor</comment>
        <translation>unbekannt</translation>
    </message>
    <message>
        <source>not checked</source>
        <comment>processor</comment>
        <translation>nicht geprüft</translation>
    </message>
    <message>
        <source>meets the minimum</source>
        <comment>memory</comment>
        <translation>erfüllt das Minimum</translation>
    </message>
    <message>
        <source>below the minimum</source>
        <comment>memory</comment>
        <translation>unter dem Minimum</translation>
    </message>
    <message>
        <source>unknown</source>
        <comment>memory</comment>
        <translation>unbekannt</translation>
    </message>
    <message>
        <source>not checked</source>
        <comment>memory</comment>
        <translation>nicht geprüft</translation>
    </message>
    <message>
        <source>meets the minimum</source>
        <comment>operating system</comment>
        <translation>erfüllt das Minimum</translation>
    </message>
    <message>
        <source>below the minimum</source>
        <comment>operating system</comment>
        <translation>unter dem Minimum</translation>
    </message>
    <message>
        <source>unknown</source>
        <comment>operating system</comment>
        <translation>unbekannt</translation>
    </message>
    <message>
        <source>not checked</source>
        <comment>operating system</comment>
        <translation>nicht geprüft</translation>
    </message>
    <message>
        <source>meets the minimum</source>
        <comment>computer</comment>
        <translation>erfüllt das Minimum</translation>
    </message>
    <message>
        <source>below the minimum</source>
        <comment>computer</comment>
        <translation>unter dem Minimum</translation>
    </message>
    <message>
        <source>unknown</source>
        <comment>computer</comment>
        <translation>unbekannt</translation>
    </message>
    <message>
        <source>not checked</source>
        <comment>computer</comment>
        <translation>nicht geprüft</translation>
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
        <translation>NVIDIA GeForce (R) GTX 970, AMD RadeonTM R9 290 oder besser</translation>
    </message>
    <message>
        <source>Intel i5-4590 or AMD FX 8350 equivalent or faster</source>
        <extracomment>Recommended processor; the product names stay as they are.</extracomment>
        <translation>Intel i5-4590, AMD FX 8350 oder besser</translation>
    </message>
    <message>
        <source>Windows 7 SP1, Windows 8.1 or newer</source>
        <translation>Windows 7 SP1, Windows 8.1 oder neuer</translation>
    </message>
</context>
<context>
    <name>pResult</name>
    <message>
        <source>Compare error!</source>
        <extracomment>Shown instead of a verdict when no comparison file could be read.</extracomment>
        <translation>Vergleichsfehler!</translation>
    </message>
    <message>
        <source>Order Orvo</source>
        <translation>Orvo bestellen</translation>
    </message>
    <message>
        <source>SteamVR Performance Test</source>
        <extracomment>Opens the store page of the test program of that name.</extracomment>
        <translation>SteamVR Performance Test</translation>
    </message>
    <message>
        <source>Browse Orvo-Ready PCs</source>
        <extracomment>&quot;Orvo-Ready&quot; PCs: computers sold as ready for Orvo.</extracomment>
        <translation>Orvo-Ready-PCs ansehen</translation>
    </message>
    <message>
        <source>Headset connection</source>
        <extracomment>Heading of the part below the four rows: where the headset plugs in.</extracomment>
        <translation>Headset-Anschluss</translation>
    </message>
    <message>
        <source>Video</source>
        <extracomment>Title of the line about the video ports.</extracomment>
        <translation>Video</translation>
    </message>
    <message>
        <source>USB</source>
        <translation>USB</translation>
    </message>
    <message>
        <source>Power</source>
        <extracomment>Title of the line about the power supply and the power plan.</extracomment>
        <translation>Strom</translation>
    </message>
</context>
<context>
    <name>pWelcome</name>
    <message>
        <source>This tool will scan your system to determine whether it meets the minimum recommended requirements to run Orvo. It takes less than a minute.</source>
        <translation>Dieses Tool prüft Ihr System, um festzustellen, ob es die empfohlenen Mindestanforderungen für Orvo erfüllt. Das dauert weniger als eine Minute.</translation>
    </message>
    <message>
        <source>Send system information (OS, RAM, CPU, and GPU) to Daxo to help improve Orvo Software. Review %1.</source>
        <extracomment>Beside the consent box. %1 is the link &quot;Daxo Privacy Policy&quot;.</extracomment>
        <translation>Systeminfos (OS, RAM, CPU und GPU) an Daxo senden, um die Orvo-Software zu verbessern. Siehe %1.</translation>
    </message>
    <message>
        <source>Daxo Privacy Policy</source>
        <extracomment>Link words inside the consent sentence.</extracomment>
        <translation>Daxo-Datenschutzrichtlinie</translation>
    </message>
    <message>
        <source>Start</source>
        <extracomment>Starts the check.</extracomment>
        <translation>Starten</translation>
    </message>
</context>
</TS>
