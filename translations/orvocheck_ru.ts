<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>CheckingPanel</name>
    <message>
        <source>Checking your computer...</source>
        <translation>Проверка компьютера...</translation>
    </message>
</context>
<context>
    <name>Console</name>
    <message>
        <source>Press any key to close this window.</source>
        <extracomment>Shown under the report when it runs in a console window of its own (started from Explorer), which closes with the program.</extracomment>
        <translation>Нажмите любую клавишу, чтобы закрыть это окно.</translation>
    </message>
</context>
<context>
    <name>Header</name>
    <message>
        <source>Close</source>
        <extracomment>The window&apos;s close button, as a screen reader names it.</extracomment>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Quick Compatibility Check</source>
        <extracomment>The window&apos;s title under the logo.</extracomment>
        <translation>Быстрая проверка совместимости</translation>
    </message>
</context>
<context>
    <name>HeadsetText</name>
    <message>
        <source>Connect the headset to a DisplayPort or HDMI port of the %1.</source>
        <extracomment>%1 is the graphics adapter the check ranked (&quot;NVIDIA GeForce GTX 1060 6GB&quot;).</extracomment>
        <translation>Подключите шлем к порту DisplayPort или HDMI видеокарты %1.</translation>
    </message>
    <message>
        <source>No HDMI or DisplayPort port was found; the headset needs one on the %1.</source>
        <extracomment>%1 is the graphics adapter the check ranked.</extracomment>
        <translation>Порт HDMI или DisplayPort не найден; шлему нужен такой порт на видеокарте %1.</translation>
    </message>
    <message>
        <source>The video ports could not be read. Connect the headset to a DisplayPort or HDMI port of the most powerful graphics card.</source>
        <translation>Не удалось прочитать видеопорты. Подключите шлем к порту DisplayPort или HDMI самой мощной видеокарты.</translation>
    </message>
    <message>
        <source>Connect the headset to a USB 3 (SuperSpeed) port, often blue or marked SS.</source>
        <translation>Подключите шлем к порту USB 3 (SuperSpeed), обычно синему или с пометкой SS.</translation>
    </message>
    <message>
        <source>Only USB 2.0 ports were found; tracking can fail on them. A USB 3 (SuperSpeed) port, for example on an add-in card, would fix this.</source>
        <translation>Найдены только порты USB 2.0; отслеживание через них может сбоить. Исправит это порт USB 3 (SuperSpeed), например на плате расширения.</translation>
    </message>
    <message>
        <source>The USB ports could not be read. Connect the headset to a USB 3 (SuperSpeed) port, often blue or marked SS.</source>
        <translation>Не удалось прочитать порты USB. Подключите шлем к порту USB 3 (SuperSpeed), обычно синему или с пометкой SS.</translation>
    </message>
    <message>
        <source>ok</source>
        <extracomment>Status of a headset connection line: nothing to do.</extracomment>
        <translation>ок</translation>
    </message>
    <message>
        <source>check</source>
        <extracomment>Status of a headset connection line: the user should look at it.</extracomment>
        <translation>проверьте</translation>
    </message>
    <message>
        <source>unknown</source>
        <extracomment>Status of a headset connection line: the system told nothing.</extracomment>
        <translation>неизвестно</translation>
    </message>
    <message>
        <source>HDMI is wired to the %1, but Orvo needs the %2. Use a port of that adapter if it has one (often USB-C), or switch the ports to it if the computer allows that.</source>
        <extracomment>%1 lists the adapters that have the HDMI ports (&quot;Intel UHD Graphics 630&quot;), %2 is the adapter Orvo needs (&quot;NVIDIA GeForce RTX 2070&quot;).</extracomment>
        <translation>HDMI подключён к видеокарте %1, а Orvo нужна %2. Используйте порт этой видеокарты, если он есть (часто USB-C), или переключите порты на неё, если компьютер это позволяет.</translation>
    </message>
    <message>
        <source>DisplayPort is wired to the %1, but Orvo needs the %2. Use a port of that adapter if it has one (often USB-C), or switch the ports to it if the computer allows that.</source>
        <extracomment>%1 lists the adapters that have the DisplayPort ports, %2 is the adapter Orvo needs.</extracomment>
        <translation>DisplayPort подключён к видеокарте %1, а Orvo нужна %2. Используйте порт этой видеокарты, если он есть (часто USB-C), или переключите порты на неё, если компьютер это позволяет.</translation>
    </message>
    <message>
        <source>HDMI and DisplayPort are wired to the %1, but Orvo needs the %2. Use a port of that adapter if it has one (often USB-C), or switch the ports to it if the computer allows that.</source>
        <extracomment>%1 lists the adapters that have the HDMI and DisplayPort ports, %2 is the adapter Orvo needs.</extracomment>
        <translation>HDMI и DisplayPort подключены к видеокарте %1, а Orvo нужна %2. Используйте порт этой видеокарты, если он есть (часто USB-C), или переключите порты на неё, если компьютер это позволяет.</translation>
    </message>
    <message>
        <source>Avoid the ports of the %1 controller: it is known to drop headsets.</source>
        <extracomment>%1 names USB controller chips (&quot;ASMedia ASM1042&quot;).</extracomment>
        <translation>Не пользуйтесь портами контроллера %1: известно, что шлемы на нём отключаются.</translation>
    </message>
    <message>
        <source>A USB 3 controller runs the driver %1 rather than Windows&apos; own; if the headset drops out, use Windows&apos; driver.</source>
        <extracomment>%1 names Windows driver services (&quot;asmtxhci&quot;).</extracomment>
        <translation>Контроллер USB 3 работает с драйвером %1, а не со стандартным драйвером Windows; если шлем отключается, установите драйвер Windows.</translation>
    </message>
    <message>
        <source>The driver of the %1 does not tell which video ports it has. Connect the headset to a DisplayPort or HDMI port of that graphics card.</source>
        <extracomment>%1 is the graphics adapter the check ranked.</extracomment>
        <translation>Драйвер видеокарты %1 не сообщает, какие у неё видеовыходы. Подключите шлем к порту DisplayPort или HDMI этой видеокарты.</translation>
    </message>
    <message>
        <source>The only USB 3 ports are on the %1 controller, which is known to drop headsets. Ports of another controller, or a USB 3 card with an Intel or Renesas chip, would fix this.</source>
        <extracomment>%1 names USB controller chips (&quot;ASMedia ASM1042&quot;).</extracomment>
        <translation>Единственные порты USB 3 находятся на контроллере %1, на котором шлемы, как известно, отключаются. Исправят это порты другого контроллера или плата USB 3 с чипом Intel или Renesas.</translation>
    </message>
    <message>
        <source>No battery was found: the computer runs on mains power.</source>
        <translation>Батарея не найдена: компьютер питается от сети.</translation>
    </message>
    <message>
        <source>The computer is plugged in and does not save power.</source>
        <translation>Компьютер подключён к сети и не экономит энергию.</translation>
    </message>
    <message>
        <source>The computer runs on battery, which slows the graphics down a lot. Plug it in and choose a performance power plan before using Orvo.</source>
        <translation>Компьютер работает от батареи, а это сильно замедляет графику. Подключите зарядное устройство и выберите схему электропитания «Высокая производительность», прежде чем запускать Orvo.</translation>
    </message>
    <message>
        <source>Battery saver is on and slows the computer down. Plug it in, turn battery saver off and choose a performance power plan before using Orvo.</source>
        <translation>Включена экономия заряда, и она замедляет компьютер. Подключите зарядное устройство, выключите экономию заряда и выберите схему электропитания «Высокая производительность», прежде чем запускать Orvo.</translation>
    </message>
    <message>
        <source>A power-saving plan slows the graphics down. Plug the computer in and choose a performance power plan before using Orvo.</source>
        <translation>Схема энергосбережения замедляет графику. Подключите компьютер к сети и выберите схему электропитания «Высокая производительность», прежде чем запускать Orvo.</translation>
    </message>
    <message>
        <source>The power state could not be read. Plug a laptop in and choose a performance power plan before using Orvo.</source>
        <translation>Не удалось узнать состояние питания. Если это ноутбук, подключите его к сети и выберите схему электропитания «Высокая производительность», прежде чем запускать Orvo.</translation>
    </message>
    <message>
        <source>Connect the headset to a DisplayPort or HDMI port of the most powerful graphics card.</source>
        <translation>Подключите шлем к порту DisplayPort или HDMI самой мощной видеокарты.</translation>
    </message>
</context>
<context>
    <name>RecommendBoard</name>
    <message>
        <source>Recommended Minimum Specifications</source>
        <translation>Рекомендуемые минимальные требования</translation>
    </message>
    <message>
        <source>Graphics</source>
        <extracomment>Row label: the graphics card.</extracomment>
        <translation>Видеокарта</translation>
    </message>
    <message>
        <source>Processor</source>
        <translation>Процессор</translation>
    </message>
    <message>
        <source>Memory</source>
        <extracomment>Row label: the memory (RAM).</extracomment>
        <translation>Память</translation>
    </message>
    <message>
        <source>Video Output</source>
        <extracomment>Row label: the connector for the headset&apos;s video (HDMI, DisplayPort).</extracomment>
        <translation>Видеовыход</translation>
    </message>
    <message>
        <source>HDMI 1.4 or DisplayPort 1.2 or newer</source>
        <translation>HDMI 1.4 / DisplayPort 1.2 или новее</translation>
    </message>
    <message>
        <source>USB</source>
        <extracomment>Row label: the USB port.</extracomment>
        <translation>USB</translation>
    </message>
    <message>
        <source>1x USB 2.0 or newer</source>
        <translation>1× USB 2.0 или новее</translation>
    </message>
    <message>
        <source>OS</source>
        <extracomment>Row label: the operating system.</extracomment>
        <translation>ОС</translation>
    </message>
    <message>
        <source>For ORVO Pro, DisplayPort 1.2 is required, while USB 3.0 and Windows 8.1 (or newer) are recommended for the best experience.</source>
        <extracomment>ORVO Pro is a model of the headset; its name stays as it is.</extracomment>
        <translation>Для ORVO Pro нужен DisplayPort 1.2, а для наилучших впечатлений рекомендуются USB 3.0 и Windows 8.1 (или новее).</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>Compare error! No comparison file could be used (neither the downloaded nor the shipped one); run with --verbose to see why.</source>
        <extracomment>--verbose is an option of the command; it stays as it is.</extracomment>
        <translation>Ошибка сравнения! Не удалось использовать ни один файл сравнения (ни загруженный, ни поставляемый с программой); запустите с --verbose, чтобы узнать причину.</translation>
    </message>
    <message>
        <source>no graphics adapter found</source>
        <translation>видеокарта не найдена</translation>
    </message>
    <message>
        <source>Component</source>
        <extracomment>Column heading of the report&apos;s table.</extracomment>
        <translation>Компонент</translation>
    </message>
    <message>
        <source>Rank</source>
        <extracomment>Column heading of the report&apos;s table.</extracomment>
        <translation>Оценка</translation>
    </message>
    <message>
        <source>OrvoCheck report (%1)</source>
        <extracomment>%1 is the program&apos;s version.</extracomment>
        <translation>Отчёт OrvoCheck (%1)</translation>
    </message>
    <message>
        <source>Comparison file version: %1</source>
        <translation>Версия файла сравнения: %1</translation>
    </message>
    <message>
        <source>Found</source>
        <extracomment>Column heading of the report&apos;s table: what the check found.</extracomment>
        <translation>Найдено</translation>
    </message>
    <message>
        <source>Graphics adapters:</source>
        <translation>Видеокарты:</translation>
    </message>
    <message>
        <source>Verdict: %1</source>
        <extracomment>%1 is the rank of the whole computer.</extracomment>
        <translation>Итог: %1</translation>
    </message>
    <message>
        <source>Compare error! The comparison file %1 does not exist.</source>
        <extracomment>%1 is the file given with --comp.</extracomment>
        <translation>Ошибка сравнения! Файл сравнения %1 не существует.</translation>
    </message>
    <message>
        <source>Compare error! The comparison file %1 could not be used; run with --verbose to see why.</source>
        <extracomment>%1 is the file given with --comp; --verbose is an option of the command and stays as it is.</extracomment>
        <translation>Ошибка сравнения! Не удалось использовать файл сравнения %1; запустите с --verbose, чтобы узнать причину.</translation>
    </message>
    <message>
        <source>%1 adapters, listed below</source>
        <extracomment>%1 is the number of graphics adapters (two or more).</extracomment>
        <translation>Видеокарт: %1, список ниже</translation>
    </message>
</context>
<context>
    <name>ResultText</name>
    <message>
        <source>4GB or more</source>
        <extracomment>Recommended amount of memory (RAM).</extracomment>
        <translation>4 ГБ или больше</translation>
    </message>
    <message>
        <source>Windows 7 SP1, Windows 8.1 or newer (64-bit)</source>
        <translation>Windows 7 SP1, Windows 8.1 или новее (64-разрядная)</translation>
    </message>
    <message>
        <source>Your system meets the minimum recommended requirements and should be able to run Orvo. For a more in-depth scan of your computer&apos;s readiness for VR, run the SteamVR Performance Test.</source>
        <translation>Ваша система соответствует минимальным рекомендуемым требованиям, и Orvo должен на ней работать. Для более глубокой проверки готовности компьютера к VR запустите SteamVR Performance Test.</translation>
    </message>
    <message>
        <source>This computer doesn&apos;t meet Orvo&apos;s recommended minimum specifications. To upgrade to a fully-compatible computer system, browse the %1 website.</source>
        <extracomment>%1 is the link &quot;Orvo Ready&quot;, the name of the ready-PC website; it stays as it is.</extracomment>
        <translation>Этот компьютер не соответствует минимальным рекомендуемым требованиям Orvo. Чтобы подобрать полностью совместимый компьютер, посетите сайт %1.</translation>
    </message>
    <message>
        <source>Some of this computer&apos;s components may not work well with Orvo. For more detailed information about your computer&apos;s readiness for Orvo, run the SteamVR Performance Test.</source>
        <translation>Некоторые компоненты этого компьютера могут плохо работать с Orvo. Чтобы подробнее узнать о готовности компьютера к Orvo, запустите SteamVR Performance Test.</translation>
    </message>
    <message>
        <source>Graphics</source>
        <extracomment>Row label: the graphics card.</extracomment>
        <translation>Видеокарта</translation>
    </message>
    <message>
        <source>This graphics card may not work well with Orvo.</source>
        <translation>Эта видеокарта может плохо работать с Orvo.</translation>
    </message>
    <message>
        <source>Processor</source>
        <translation>Процессор</translation>
    </message>
    <message>
        <source>This processor may not be powerful enough to run Orvo.</source>
        <translation>Этот процессор может оказаться недостаточно мощным для Orvo.</translation>
    </message>
    <message>
        <source>Memory</source>
        <extracomment>Row label: the memory (RAM).</extracomment>
        <translation>Память</translation>
    </message>
    <message>
        <source>%1 memory is recommended.</source>
        <extracomment>%1 is the recommended amount, &quot;4GB or more&quot;.</extracomment>
        <translation>Рекомендуемый объём памяти: %1.</translation>
    </message>
    <message>
        <source>OS</source>
        <extracomment>Row label: the operating system.</extracomment>
        <translation>ОС</translation>
    </message>
    <message>
        <source>%1 is required.</source>
        <extracomment>%1 is the required system, &quot;Windows 7 SP1, Windows 8.1 or newer (64-bit)&quot;.</extracomment>
        <translation>Требуется %1.</translation>
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
        <translation>Для Orvo нужно %1 (класс %2)</translation>
    </message>
    <message>
        <source>CPU Mark %1, single thread %2</source>
        <extracomment>%1 is the PassMark CPU Mark, %2 the PassMark single-thread rating.</extracomment>
        <translation>CPU Mark %1, один поток %2</translation>
    </message>
    <message>
        <source>%1 and %2 (%3)</source>
        <extracomment>%1 is the CPU Mark and %2 the single-thread rating Orvo needs, %3 the processor they come from.</extracomment>
        <translation>%1 и %2 (%3)</translation>
    </message>
    <message>
        <source>%1: both figures too low</source>
        <extracomment>%1 is a reference processor.</extracomment>
        <translation>%1: оба показателя слишком низкие</translation>
    </message>
    <message>
        <source>%1: single thread too low</source>
        <extracomment>%1 is a reference processor.</extracomment>
        <translation>%1: слишком низкий результат в один поток</translation>
    </message>
    <message>
        <source>%1: CPU Mark too low</source>
        <extracomment>%1 is a reference processor.</extracomment>
        <translation>%1: слишком низкий CPU Mark</translation>
    </message>
    <message>
        <source>Orvo needs %1</source>
        <extracomment>%1 is one or more &quot;figure and figure (processor)&quot;, joined by &quot;or&quot;.</extracomment>
        <translation>Для Orvo нужно %1</translation>
    </message>
    <message>
        <source> or </source>
        <translation> или </translation>
    </message>
    <message>
        <source>%1 GB</source>
        <extracomment>%1 is an amount of memory in gigabytes.</extracomment>
        <translation>%1 ГБ</translation>
    </message>
    <message>
        <source>Also found: %1 (not used for the verdict)</source>
        <extracomment>%1 lists the names of the other graphics adapters of the computer.</extracomment>
        <translation>Также найдено: %1 (не учитывается в итоге)</translation>
    </message>
    <message>
        <source>no graphics adapter found</source>
        <translation>видеокарта не найдена</translation>
    </message>
    <message>
        <source>Orvo needs 64-bit Windows 7 SP1, Windows 8.1 or newer</source>
        <translation>Для Orvo нужна 64-разрядная Windows 7 SP1, Windows 8.1 или новее</translation>
    </message>
    <message>
        <source>A faster graphics card would fix this.</source>
        <translation>Проблему решит более быстрая видеокарта.</translation>
    </message>
    <message>
        <source>A faster processor would fix this; it may need a new mainboard.</source>
        <translation>Проблему решит более быстрый процессор; возможно, понадобится новая материнская плата.</translation>
    </message>
    <message>
        <source>Adding memory to reach %1 would fix this.</source>
        <extracomment>%1 is the amount Orvo needs, like &quot;4 GB&quot;.</extracomment>
        <translation>Проблему решит увеличение памяти до %1.</translation>
    </message>
    <message>
        <source>Installing 64-bit Windows 8.1 or newer would fix this.</source>
        <translation>Проблему решит установка 64-разрядной Windows 8.1 или новее.</translation>
    </message>
    <message>
        <source>The SteamVR Performance Test can tell how well it runs Orvo.</source>
        <extracomment>SteamVR Performance Test is the name of a program; it stays as it is.</extracomment>
        <translation>SteamVR Performance Test покажет, насколько хорошо здесь будет работать Orvo.</translation>
    </message>
    <message>
        <source>Install the graphics driver and run the check again.</source>
        <translation>Установите драйвер видеокарты и запустите проверку снова.</translation>
    </message>
    <message>
        <source>The comparison data could not be read. Check the internet connection and start OrvoCheck again; if that does not help, reinstall OrvoCheck.</source>
        <translation>Не удалось прочитать данные сравнения. Проверьте подключение к интернету и снова запустите OrvoCheck; если это не поможет, переустановите OrvoCheck.</translation>
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
        <translation>данные сравнения %1</translation>
    </message>
    <message>
        <source>%1–%2</source>
        <extracomment>A range of benchmark figures, %1 the lowest, %2 the highest.</extracomment>
        <translation>%1–%2</translation>
    </message>
    <message>
        <source>Ranked with the %1 family: every member is fast enough for Orvo</source>
        <comment>graphics card</comment>
        <translation>Оценена по семейству %1: все его модели достаточно быстры для Orvo</translation>
    </message>
    <message>
        <source>Ranked with the %1 family: every member is too slow for Orvo</source>
        <comment>graphics card</comment>
        <translation>Оценена по семейству %1: все его модели слишком медленны для Orvo</translation>
    </message>
    <message>
        <source>Ranked with the %1 family: every member is fast enough for Orvo</source>
        <comment>processor</comment>
        <translation>Оценён по семейству %1: все его модели достаточно быстры для Orvo</translation>
    </message>
    <message>
        <source>Ranked with the %1 family: every member is too slow for Orvo</source>
        <comment>processor</comment>
        <translation>Оценён по семейству %1: все его модели слишком медленны для Orvo</translation>
    </message>
    <message>
        <source>Listed as suitable (%1)</source>
        <comment>graphics card</comment>
        <translation>Указана как подходящая (%1)</translation>
    </message>
    <message>
        <source>Listed as unsuitable (%1)</source>
        <comment>graphics card</comment>
        <translation>Указана как неподходящая (%1)</translation>
    </message>
    <message>
        <source>Listed as suitable (%1)</source>
        <comment>processor</comment>
        <translation>Указан как подходящий (%1)</translation>
    </message>
    <message>
        <source>Listed as unsuitable (%1)</source>
        <comment>processor</comment>
        <translation>Указан как неподходящий (%1)</translation>
    </message>
    <message>
        <source>Listed as suitable (%1)</source>
        <comment>operating system</comment>
        <translation>Указана как подходящая (%1)</translation>
    </message>
    <message>
        <source>Listed as unsuitable (%1)</source>
        <comment>operating system</comment>
        <translation>Указана как неподходящая (%1)</translation>
    </message>
    <message>
        <source>On no list (%1)</source>
        <comment>graphics card</comment>
        <translation>Не указана ни в одном списке (%1)</translation>
    </message>
    <message>
        <source>On no list (%1)</source>
        <comment>processor</comment>
        <translation>Не указан ни в одном списке (%1)</translation>
    </message>
    <message>
        <source>On no list (%1)</source>
        <comment>operating system</comment>
        <translation>Не указана ни в одном списке (%1)</translation>
    </message>
    <message>
        <source>The graphics of this computer cannot be replaced: Orvo needs a computer with faster graphics.</source>
        <translation>Графику этого компьютера заменить нельзя: для Orvo нужен компьютер с более быстрой графикой.</translation>
    </message>
    <message>
        <source>The processor of this computer cannot be replaced: Orvo needs a faster computer.</source>
        <translation>Процессор этого компьютера заменить нельзя: для Orvo нужен более быстрый компьютер.</translation>
    </message>
    <message>
        <source>This release is not in the comparison data.</source>
        <translation>Этого выпуска нет в данных сравнения.</translation>
    </message>
    <message>
        <source>This release is not in the comparison data, which lists %1.</source>
        <extracomment>%1 lists the releases of the same system that the comparison data holds (&quot;Ubuntu 22.04, Ubuntu 24.04&quot;).</extracomment>
        <translation>Этого выпуска нет в данных сравнения; в них есть: %1.</translation>
    </message>
    <message>
        <source>meets the minimum</source>
        <comment>graphics card</comment>
        <extracomment>Rank of a component, in the report&apos;s table.</extracomment>
        <translation>соответствует минимуму</translation>
    </message>
    <message>
        <source>below the minimum</source>
        <comment>graphics card</comment>
        <translation>ниже минимума</translation>
    </message>
    <message>
        <source>unknown</source>
        <comment>graphics card</comment>
        <translation>неизвестна</translation>
    </message>
    <message>
        <source>not checked</source>
        <comment>graphics card</comment>
        <translation>не проверена</translation>
    </message>
    <message>
        <source>meets the minimum</source>
        <comment>processor</comment>
        <translation>соответствует минимуму</translation>
    </message>
    <message>
        <source>below the minimum</source>
        <comment>processor</comment>
        <translation>ниже минимума</translation>
    </message>
    <message>
        <source>unknown</source>
        <comment>processor</comment>
        <translation>неизвестен</translation>
    </message>
    <message>
        <source>not checked</source>
        <comment>processor</comment>
        <translation>не проверен</translation>
    </message>
    <message>
        <source>meets the minimum</source>
        <comment>memory</comment>
        <translation>соответствует минимуму</translation>
    </message>
    <message>
        <source>below the minimum</source>
        <comment>memory</comment>
        <translation>ниже минимума</translation>
    </message>
    <message>
        <source>unknown</source>
        <comment>memory</comment>
        <translation>неизвестна</translation>
    </message>
    <message>
        <source>not checked</source>
        <comment>memory</comment>
        <translation>не проверена</translation>
    </message>
    <message>
        <source>meets the minimum</source>
        <comment>operating system</comment>
        <translation>соответствует минимуму</translation>
    </message>
    <message>
        <source>below the minimum</source>
        <comment>operating system</comment>
        <translation>ниже минимума</translation>
    </message>
    <message>
        <source>unknown</source>
        <comment>operating system</comment>
        <translation>неизвестна</translation>
    </message>
    <message>
        <source>not checked</source>
        <comment>operating system</comment>
        <translation>не проверена</translation>
    </message>
    <message>
        <source>meets the minimum</source>
        <comment>computer</comment>
        <translation>соответствует минимуму</translation>
    </message>
    <message>
        <source>below the minimum</source>
        <comment>computer</comment>
        <translation>ниже минимума</translation>
    </message>
    <message>
        <source>unknown</source>
        <comment>computer</comment>
        <translation>неизвестен</translation>
    </message>
    <message>
        <source>not checked</source>
        <comment>computer</comment>
        <translation>не проверен</translation>
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
        <translation>NVIDIA GeForce (R) GTX 970, AMD RadeonTM R9 290 или мощнее</translation>
    </message>
    <message>
        <source>Intel i5-4590 or AMD FX 8350 equivalent or faster</source>
        <extracomment>Recommended processor; the product names stay as they are.</extracomment>
        <translation>Intel i5-4590, AMD FX 8350 или мощнее</translation>
    </message>
    <message>
        <source>Windows 7 SP1, Windows 8.1 or newer</source>
        <translation>Windows 7 SP1, Windows 8.1 или новее</translation>
    </message>
</context>
<context>
    <name>pResult</name>
    <message>
        <source>Compare error!</source>
        <extracomment>Shown instead of a verdict when no comparison file could be read.</extracomment>
        <translation>Ошибка сравнения!</translation>
    </message>
    <message>
        <source>Order Orvo</source>
        <translation>Заказать Orvo</translation>
    </message>
    <message>
        <source>SteamVR Performance Test</source>
        <extracomment>Opens the store page of the test program of that name.</extracomment>
        <translation>SteamVR Performance Test</translation>
    </message>
    <message>
        <source>Browse Orvo-Ready PCs</source>
        <extracomment>&quot;Orvo-Ready&quot; PCs: computers sold as ready for Orvo.</extracomment>
        <translation>Компьютеры Orvo Ready</translation>
    </message>
    <message>
        <source>Headset connection</source>
        <extracomment>Heading of the part below the four rows: where the headset plugs in.</extracomment>
        <translation>Подключение шлема</translation>
    </message>
    <message>
        <source>Video</source>
        <extracomment>Title of the line about the video ports.</extracomment>
        <translation>Видео</translation>
    </message>
    <message>
        <source>USB</source>
        <translation>USB</translation>
    </message>
    <message>
        <source>Power</source>
        <extracomment>Title of the line about the power supply and the power plan.</extracomment>
        <translation>Питание</translation>
    </message>
</context>
<context>
    <name>pWelcome</name>
    <message>
        <source>This tool will scan your system to determine whether it meets the minimum recommended requirements to run Orvo. It takes less than a minute.</source>
        <translation>Эта программа проверит, соответствует ли ваша система минимальным рекомендуемым требованиям для Orvo. Это займёт меньше минуты.</translation>
    </message>
    <message>
        <source>Send system information (OS, RAM, CPU, and GPU) to Daxo to help improve Orvo Software. Review %1.</source>
        <extracomment>Beside the consent box. %1 is the link &quot;Daxo Privacy Policy&quot;.</extracomment>
        <translation>Отправить в Daxo данные о системе (ОС, RAM, CPU, GPU) для улучшения ПО Orvo. См. %1.</translation>
    </message>
    <message>
        <source>Daxo Privacy Policy</source>
        <extracomment>Link words inside the consent sentence.</extracomment>
        <translation>политику конфиденциальности Daxo</translation>
    </message>
    <message>
        <source>Start</source>
        <extracomment>Starts the check.</extracomment>
        <translation>Начать</translation>
    </message>
</context>
</TS>
