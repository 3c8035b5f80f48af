<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>CheckingPanel</name>
    <message>
        <source>Checking your computer...</source>
        <translation>Comprobando tu equipo...</translation>
    </message>
</context>
<context>
    <name>Console</name>
    <message>
        <source>Press any key to close this window.</source>
        <extracomment>Shown under the report when it runs in a console window of its own (started from Explorer), which closes with the program.</extracomment>
        <translation>Pulsa cualquier tecla para cerrar esta ventana.</translation>
    </message>
</context>
<context>
    <name>Header</name>
    <message>
        <source>Close</source>
        <extracomment>The window&apos;s close button, as a screen reader names it.</extracomment>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Quick Compatibility Check</source>
        <extracomment>The window&apos;s title under the logo.</extracomment>
        <translation>Comprobación rápida de compatibilidad</translation>
    </message>
</context>
<context>
    <name>HeadsetText</name>
    <message>
        <source>Connect the headset to a DisplayPort or HDMI port of the %1.</source>
        <extracomment>%1 is the graphics adapter the check ranked (&quot;NVIDIA GeForce GTX 1060 6GB&quot;).</extracomment>
        <translation>Conecta el visor a un puerto DisplayPort o HDMI de la %1.</translation>
    </message>
    <message>
        <source>No HDMI or DisplayPort port was found; the headset needs one on the %1.</source>
        <extracomment>%1 is the graphics adapter the check ranked.</extracomment>
        <translation>No se encontró ningún puerto HDMI ni DisplayPort; el visor necesita uno en la %1.</translation>
    </message>
    <message>
        <source>The video ports could not be read. Connect the headset to a DisplayPort or HDMI port of the most powerful graphics card.</source>
        <translation>No se pudieron leer los puertos de vídeo. Conecta el visor a un puerto DisplayPort o HDMI de la tarjeta gráfica más potente.</translation>
    </message>
    <message>
        <source>Connect the headset to a USB 3 (SuperSpeed) port, often blue or marked SS.</source>
        <translation>Conecta el visor a un puerto USB 3 (SuperSpeed), a menudo azul o marcado con SS.</translation>
    </message>
    <message>
        <source>Only USB 2.0 ports were found; tracking can fail on them. A USB 3 (SuperSpeed) port, for example on an add-in card, would fix this.</source>
        <translation>Solo se encontraron puertos USB 2.0; el seguimiento puede fallar en ellos. Un puerto USB 3 (SuperSpeed), por ejemplo en una tarjeta de expansión, lo resolvería.</translation>
    </message>
    <message>
        <source>The USB ports could not be read. Connect the headset to a USB 3 (SuperSpeed) port, often blue or marked SS.</source>
        <translation>No se pudieron leer los puertos USB. Conecta el visor a un puerto USB 3 (SuperSpeed), a menudo azul o marcado con SS.</translation>
    </message>
    <message>
        <source>ok</source>
        <extracomment>Status of a headset connection line: nothing to do.</extracomment>
        <translation>bien</translation>
    </message>
    <message>
        <source>check</source>
        <extracomment>Status of a headset connection line: the user should look at it.</extracomment>
        <translation>revisar</translation>
    </message>
    <message>
        <source>unknown</source>
        <extracomment>Status of a headset connection line: the system told nothing.</extracomment>
        <translation>desconocido</translation>
    </message>
    <message>
        <source>HDMI is wired to the %1, but Orvo needs the %2. Use a port of that adapter if it has one (often USB-C), or switch the ports to it if the computer allows that.</source>
        <extracomment>%1 lists the adapters that have the HDMI ports (&quot;Intel UHD Graphics 630&quot;), %2 is the adapter Orvo needs (&quot;NVIDIA GeForce RTX 2070&quot;).</extracomment>
        <translation>El HDMI está conectado a la %1, pero Orvo necesita la %2. Usa un puerto de esa tarjeta si tiene alguno (a menudo USB-C), o asigna los puertos a ella si el equipo lo permite.</translation>
    </message>
    <message>
        <source>DisplayPort is wired to the %1, but Orvo needs the %2. Use a port of that adapter if it has one (often USB-C), or switch the ports to it if the computer allows that.</source>
        <extracomment>%1 lists the adapters that have the DisplayPort ports, %2 is the adapter Orvo needs.</extracomment>
        <translation>El DisplayPort está conectado a la %1, pero Orvo necesita la %2. Usa un puerto de esa tarjeta si tiene alguno (a menudo USB-C), o asigna los puertos a ella si el equipo lo permite.</translation>
    </message>
    <message>
        <source>HDMI and DisplayPort are wired to the %1, but Orvo needs the %2. Use a port of that adapter if it has one (often USB-C), or switch the ports to it if the computer allows that.</source>
        <extracomment>%1 lists the adapters that have the HDMI and DisplayPort ports, %2 is the adapter Orvo needs.</extracomment>
        <translation>El HDMI y el DisplayPort están conectados a la %1, pero Orvo necesita la %2. Usa un puerto de esa tarjeta si tiene alguno (a menudo USB-C), o asigna los puertos a ella si el equipo lo permite.</translation>
    </message>
    <message>
        <source>Avoid the ports of the %1 controller: it is known to drop headsets.</source>
        <extracomment>%1 names USB controller chips (&quot;ASMedia ASM1042&quot;).</extracomment>
        <translation>Evita los puertos de la controladora %1: se sabe que con ella los visores se desconectan.</translation>
    </message>
    <message>
        <source>A USB 3 controller runs the driver %1 rather than Windows&apos; own; if the headset drops out, use Windows&apos; driver.</source>
        <extracomment>%1 names Windows driver services (&quot;asmtxhci&quot;).</extracomment>
        <translation>Una controladora USB 3 usa el controlador %1 en lugar del de Windows; si el visor se desconecta, usa el controlador de Windows.</translation>
    </message>
    <message>
        <source>The driver of the %1 does not tell which video ports it has. Connect the headset to a DisplayPort or HDMI port of that graphics card.</source>
        <extracomment>%1 is the graphics adapter the check ranked.</extracomment>
        <translation>El controlador de la %1 no indica qué puertos de vídeo tiene. Conecta el visor a un puerto DisplayPort o HDMI de esa tarjeta gráfica.</translation>
    </message>
    <message>
        <source>The only USB 3 ports are on the %1 controller, which is known to drop headsets. Ports of another controller, or a USB 3 card with an Intel or Renesas chip, would fix this.</source>
        <extracomment>%1 names USB controller chips (&quot;ASMedia ASM1042&quot;).</extracomment>
        <translation>Los únicos puertos USB 3 están en la controladora %1, con la que se sabe que los visores se desconectan. Lo resolverían los puertos de otra controladora o una tarjeta USB 3 con chip Intel o Renesas.</translation>
    </message>
    <message>
        <source>No battery was found: the computer runs on mains power.</source>
        <translation>No se encontró batería: el equipo funciona con la corriente de la red.</translation>
    </message>
    <message>
        <source>The computer is plugged in and does not save power.</source>
        <translation>El equipo está enchufado y no ahorra energía.</translation>
    </message>
    <message>
        <source>The computer runs on battery, which slows the graphics down a lot. Plug it in and choose a performance power plan before using Orvo.</source>
        <translation>El equipo funciona con batería, lo que ralentiza mucho los gráficos. Enchúfalo y elige un plan de energía de alto rendimiento antes de usar Orvo.</translation>
    </message>
    <message>
        <source>Battery saver is on and slows the computer down. Plug it in, turn battery saver off and choose a performance power plan before using Orvo.</source>
        <translation>El ahorro de batería está activado y ralentiza el equipo. Enchúfalo, desactiva el ahorro de batería y elige un plan de energía de alto rendimiento antes de usar Orvo.</translation>
    </message>
    <message>
        <source>A power-saving plan slows the graphics down. Plug the computer in and choose a performance power plan before using Orvo.</source>
        <translation>Un plan de ahorro de energía ralentiza los gráficos. Enchufa el equipo y elige un plan de energía de alto rendimiento antes de usar Orvo.</translation>
    </message>
    <message>
        <source>The power state could not be read. Plug a laptop in and choose a performance power plan before using Orvo.</source>
        <translation>No se pudo leer el estado de la energía. Si es un portátil, enchúfalo y elige un plan de energía de alto rendimiento antes de usar Orvo.</translation>
    </message>
    <message>
        <source>Connect the headset to a DisplayPort or HDMI port of the most powerful graphics card.</source>
        <translation>Conecta el visor a un puerto DisplayPort o HDMI de la tarjeta gráfica más potente.</translation>
    </message>
</context>
<context>
    <name>RecommendBoard</name>
    <message>
        <source>Recommended Minimum Specifications</source>
        <translation>Requisitos mínimos recomendados</translation>
    </message>
    <message>
        <source>Graphics</source>
        <extracomment>Row label: the graphics card.</extracomment>
        <translation>Tarjeta gráfica</translation>
    </message>
    <message>
        <source>Processor</source>
        <translation>Procesador</translation>
    </message>
    <message>
        <source>Memory</source>
        <extracomment>Row label: the memory (RAM).</extracomment>
        <translation>Memoria</translation>
    </message>
    <message>
        <source>Video Output</source>
        <extracomment>Row label: the connector for the headset&apos;s video (HDMI, DisplayPort).</extracomment>
        <translation>Salida de vídeo</translation>
    </message>
    <message>
        <source>HDMI 1.4 or DisplayPort 1.2 or newer</source>
        <translation>HDMI 1.4 o DisplayPort 1.2 o superior</translation>
    </message>
    <message>
        <source>USB</source>
        <extracomment>Row label: the USB port.</extracomment>
        <translation>USB</translation>
    </message>
    <message>
        <source>1x USB 2.0 or newer</source>
        <translation>1× USB 2.0 o superior</translation>
    </message>
    <message>
        <source>OS</source>
        <extracomment>Row label: the operating system.</extracomment>
        <translation>SO</translation>
    </message>
    <message>
        <source>For ORVO Pro, DisplayPort 1.2 is required, while USB 3.0 and Windows 8.1 (or newer) are recommended for the best experience.</source>
        <extracomment>ORVO Pro is a model of the headset; its name stays as it is.</extracomment>
        <translation>ORVO Pro necesita DisplayPort 1.2; para disfrutar de la mejor experiencia se recomiendan USB 3.0 y Windows 8.1 (o posterior).</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>Compare error! No comparison file could be used (neither the downloaded nor the shipped one); run with --verbose to see why.</source>
        <extracomment>--verbose is an option of the command; it stays as it is.</extracomment>
        <translation>¡Error de comparación! No se pudo usar ningún archivo de comparación (ni el descargado ni el incluido); ejecuta con --verbose para ver por qué.</translation>
    </message>
    <message>
        <source>no graphics adapter found</source>
        <translation>no se encontró ninguna tarjeta gráfica</translation>
    </message>
    <message>
        <source>Component</source>
        <extracomment>Column heading of the report&apos;s table.</extracomment>
        <translation>Componente</translation>
    </message>
    <message>
        <source>Rank</source>
        <extracomment>Column heading of the report&apos;s table.</extracomment>
        <translation>Valoración</translation>
    </message>
    <message>
        <source>OrvoCheck report (%1)</source>
        <extracomment>%1 is the program&apos;s version.</extracomment>
        <translation>Informe de OrvoCheck (%1)</translation>
    </message>
    <message>
        <source>Comparison file version: %1</source>
        <translation>Versión del archivo de comparación: %1</translation>
    </message>
    <message>
        <source>Found</source>
        <extracomment>Column heading of the report&apos;s table: what the check found.</extracomment>
        <translation>Detectado</translation>
    </message>
    <message>
        <source>Graphics adapters:</source>
        <translation>Tarjetas gráficas:</translation>
    </message>
    <message>
        <source>Verdict: %1</source>
        <extracomment>%1 is the rank of the whole computer.</extracomment>
        <translation>Veredicto: %1</translation>
    </message>
    <message>
        <source>Compare error! The comparison file %1 does not exist.</source>
        <extracomment>%1 is the file given with --comp.</extracomment>
        <translation>¡Error de comparación! El archivo de comparación %1 no existe.</translation>
    </message>
    <message>
        <source>Compare error! The comparison file %1 could not be used; run with --verbose to see why.</source>
        <extracomment>%1 is the file given with --comp; --verbose is an option of the command and stays as it is.</extracomment>
        <translation>¡Error de comparación! No se pudo usar el archivo de comparación %1; ejecuta con --verbose para ver por qué.</translation>
    </message>
    <message>
        <source>%1 adapters, listed below</source>
        <extracomment>%1 is the number of graphics adapters (two or more).</extracomment>
        <translation>%1 tarjetas gráficas, indicadas abajo</translation>
    </message>
</context>
<context>
    <name>ResultText</name>
    <message>
        <source>4GB or more</source>
        <extracomment>Recommended amount of memory (RAM).</extracomment>
        <translation>4 GB o más</translation>
    </message>
    <message>
        <source>Windows 7 SP1, Windows 8.1 or newer (64-bit)</source>
        <translation>Windows 7 SP1, Windows 8.1 o posterior (64 bits)</translation>
    </message>
    <message>
        <source>Your system meets the minimum recommended requirements and should be able to run Orvo. For a more in-depth scan of your computer&apos;s readiness for VR, run the SteamVR Performance Test.</source>
        <translation>Tu sistema cumple los requisitos mínimos recomendados y debería poder ejecutar Orvo. Para un análisis más completo de la preparación de tu equipo para la RV, ejecuta SteamVR Performance Test.</translation>
    </message>
    <message>
        <source>This computer doesn&apos;t meet Orvo&apos;s recommended minimum specifications. To upgrade to a fully-compatible computer system, browse the %1 website.</source>
        <extracomment>%1 is the link &quot;Orvo Ready&quot;, the name of the ready-PC website; it stays as it is.</extracomment>
        <translation>Este equipo no cumple los requisitos mínimos recomendados de Orvo. Para pasarte a un equipo totalmente compatible, visita el sitio web %1.</translation>
    </message>
    <message>
        <source>Some of this computer&apos;s components may not work well with Orvo. For more detailed information about your computer&apos;s readiness for Orvo, run the SteamVR Performance Test.</source>
        <translation>Algunos componentes de este equipo podrían no funcionar bien con Orvo. Para obtener información más detallada sobre la preparación de tu equipo para Orvo, ejecuta SteamVR Performance Test.</translation>
    </message>
    <message>
        <source>Graphics</source>
        <extracomment>Row label: the graphics card.</extracomment>
        <translation>Tarjeta gráfica</translation>
    </message>
    <message>
        <source>This graphics card may not work well with Orvo.</source>
        <translation>Es posible que esta tarjeta gráfica no funcione bien con Orvo.</translation>
    </message>
    <message>
        <source>Processor</source>
        <translation>Procesador</translation>
    </message>
    <message>
        <source>This processor may not be powerful enough to run Orvo.</source>
        <translation>Es posible que este procesador no sea lo bastante potente para ejecutar Orvo.</translation>
    </message>
    <message>
        <source>Memory</source>
        <extracomment>Row label: the memory (RAM).</extracomment>
        <translation>Memoria</translation>
    </message>
    <message>
        <source>%1 memory is recommended.</source>
        <extracomment>%1 is the recommended amount, &quot;4GB or more&quot;.</extracomment>
        <translation>Se recomiendan %1 de memoria.</translation>
    </message>
    <message>
        <source>OS</source>
        <extracomment>Row label: the operating system.</extracomment>
        <translation>SO</translation>
    </message>
    <message>
        <source>%1 is required.</source>
        <extracomment>%1 is the required system, &quot;Windows 7 SP1, Windows 8.1 or newer (64-bit)&quot;.</extracomment>
        <translation>Se necesita %1.</translation>
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
        <translation>Orvo necesita %1 (clase %2)</translation>
    </message>
    <message>
        <source>CPU Mark %1, single thread %2</source>
        <extracomment>%1 is the PassMark CPU Mark, %2 the PassMark single-thread rating.</extracomment>
        <translation>CPU Mark %1, un solo hilo %2</translation>
    </message>
    <message>
        <source>%1 and %2 (%3)</source>
        <extracomment>%1 is the CPU Mark and %2 the single-thread rating Orvo needs, %3 the processor they come from.</extracomment>
        <translation>%1 y %2 (%3)</translation>
    </message>
    <message>
        <source>%1: both figures too low</source>
        <extracomment>%1 is a reference processor.</extracomment>
        <translation>%1: ambos valores son demasiado bajos</translation>
    </message>
    <message>
        <source>%1: single thread too low</source>
        <extracomment>%1 is a reference processor.</extracomment>
        <translation>%1: un solo hilo, demasiado bajo</translation>
    </message>
    <message>
        <source>%1: CPU Mark too low</source>
        <extracomment>%1 is a reference processor.</extracomment>
        <translation>%1: CPU Mark demasiado bajo</translation>
    </message>
    <message>
        <source>Orvo needs %1</source>
        <extracomment>%1 is one or more &quot;figure and figure (processor)&quot;, joined by &quot;or&quot;.</extracomment>
        <translation>Orvo necesita %1</translation>
    </message>
    <message>
        <source> or </source>
        <translation> o </translation>
    </message>
    <message>
        <source>%1 GB</source>
        <extracomment>%1 is an amount of memory in gigabytes.</extracomment>
        <translation>%1 GB</translation>
    </message>
    <message>
        <source>Also found: %1 (not used for the verdict)</source>
        <extracomment>%1 lists the names of the other graphics adapters of the computer.</extracomment>
        <translation>También se encontró: %1 (no cuenta para el resultado)</translation>
    </message>
    <message>
        <source>no graphics adapter found</source>
        <translation>no se encontró ninguna tarjeta gráfica</translation>
    </message>
    <message>
        <source>Orvo needs 64-bit Windows 7 SP1, Windows 8.1 or newer</source>
        <translation>Orvo necesita Windows 7 SP1, Windows 8.1 o posterior de 64 bits</translation>
    </message>
    <message>
        <source>A faster graphics card would fix this.</source>
        <translation>Una tarjeta gráfica más rápida lo resolvería.</translation>
    </message>
    <message>
        <source>A faster processor would fix this; it may need a new mainboard.</source>
        <translation>Un procesador más rápido lo resolvería; puede que necesites una placa base nueva.</translation>
    </message>
    <message>
        <source>Adding memory to reach %1 would fix this.</source>
        <extracomment>%1 is the amount Orvo needs, like &quot;4 GB&quot;.</extracomment>
        <translation>Ampliar la memoria a %1 lo resolvería.</translation>
    </message>
    <message>
        <source>Installing 64-bit Windows 8.1 or newer would fix this.</source>
        <translation>Instalar Windows 8.1 o posterior de 64 bits lo resolvería.</translation>
    </message>
    <message>
        <source>The SteamVR Performance Test can tell how well it runs Orvo.</source>
        <extracomment>SteamVR Performance Test is the name of a program; it stays as it is.</extracomment>
        <translation>SteamVR Performance Test puede decirte si Orvo funcionará bien en este equipo.</translation>
    </message>
    <message>
        <source>Install the graphics driver and run the check again.</source>
        <translation>Instala el controlador de la tarjeta gráfica y vuelve a ejecutar la comprobación.</translation>
    </message>
    <message>
        <source>The comparison data could not be read. Check the internet connection and start OrvoCheck again; if that does not help, reinstall OrvoCheck.</source>
        <translation>No se pudieron leer los datos de comparación. Comprueba la conexión a Internet y vuelve a abrir OrvoCheck; si no se soluciona, reinstala OrvoCheck.</translation>
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
        <translation>datos de comparación %1</translation>
    </message>
    <message>
        <source>%1–%2</source>
        <extracomment>A range of benchmark figures, %1 the lowest, %2 the highest.</extracomment>
        <translation>%1–%2</translation>
    </message>
    <message>
        <source>Ranked with the %1 family: every member is fast enough for Orvo</source>
        <comment>graphics card</comment>
        <translation>Clasificada según la familia %1: todos sus modelos son lo bastante rápidos para Orvo</translation>
    </message>
    <message>
        <source>Ranked with the %1 family: every member is too slow for Orvo</source>
        <comment>graphics card</comment>
        <translation>Clasificada según la familia %1: todos sus modelos son demasiado lentos para Orvo</translation>
    </message>
    <message>
        <source>Ranked with the %1 family: every member is fast enough for Orvo</source>
        <comment>processor</comment>
        <translation>Clasificado según la familia %1: todos sus modelos son lo bastante rápidos para Orvo</translation>
    </message>
    <message>
        <source>Ranked with the %1 family: every member is too slow for Orvo</source>
        <comment>processor</comment>
        <translation>Clasificado según la familia %1: todos sus modelos son demasiado lentos para Orvo</translation>
    </message>
    <message>
        <source>Listed as suitable (%1)</source>
        <comment>graphics card</comment>
        <translation>Figura como apta (%1)</translation>
    </message>
    <message>
        <source>Listed as unsuitable (%1)</source>
        <comment>graphics card</comment>
        <translation>Figura como no apta (%1)</translation>
    </message>
    <message>
        <source>Listed as suitable (%1)</source>
        <comment>processor</comment>
        <translation>Figura como apto (%1)</translation>
    </message>
    <message>
        <source>Listed as unsuitable (%1)</source>
        <comment>processor</comment>
        <translation>Figura como no apto (%1)</translation>
    </message>
    <message>
        <source>Listed as suitable (%1)</source>
        <comment>operating system</comment>
        <translation>Figura como apto (%1)</translation>
    </message>
    <message>
        <source>Listed as unsuitable (%1)</source>
        <comment>operating system</comment>
        <translation>Figura como no apto (%1)</translation>
    </message>
    <message>
        <source>On no list (%1)</source>
        <comment>graphics card</comment>
        <translation>No figura en ninguna lista (%1)</translation>
    </message>
    <message>
        <source>On no list (%1)</source>
        <comment>processor</comment>
        <translation>No figura en ninguna lista (%1)</translation>
    </message>
    <message>
        <source>On no list (%1)</source>
        <comment>operating system</comment>
        <translation>No figura en ninguna lista (%1)</translation>
    </message>
    <message>
        <source>The graphics of this computer cannot be replaced: Orvo needs a computer with faster graphics.</source>
        <translation>La gráfica de este equipo no se puede cambiar: Orvo necesita un equipo con una gráfica más rápida.</translation>
    </message>
    <message>
        <source>The processor of this computer cannot be replaced: Orvo needs a faster computer.</source>
        <translation>El procesador de este equipo no se puede cambiar: Orvo necesita un equipo más rápido.</translation>
    </message>
    <message>
        <source>This release is not in the comparison data.</source>
        <translation>Esta versión no figura en los datos de comparación.</translation>
    </message>
    <message>
        <source>This release is not in the comparison data, which lists %1.</source>
        <extracomment>%1 lists the releases of the same system that the comparison data holds (&quot;Ubuntu 22.04, Ubuntu 24.04&quot;).</extracomment>
        <translation>Esta versión no figura en los datos de comparación, que incluyen %1.</translation>
    </message>
    <message>
        <source>meets the minimum</source>
        <comment>graphics card</comment>
        <extracomment>Rank of a component, in the report&apos;s table.</extracomment>
        <translation>cumple el mínimo</translation>
    </message>
    <message>
        <source>below the minimum</source>
        <comment>graphics card</comment>
        <translation>por debajo del mínimo</translation>
    </message>
    <message>
        <source>unknown</source>
        <comment>graphics card</comment>
        <translation>desconocida</translation>
    </message>
    <message>
        <source>not checked</source>
        <comment>graphics card</comment>
        <translation>sin comprobar</translation>
    </message>
    <message>
        <source>meets the minimum</source>
        <comment>processor</comment>
        <translation>cumple el mínimo</translation>
    </message>
    <message>
        <source>below the minimum</source>
        <comment>processor</comment>
        <translation>por debajo del mínimo</translation>
    </message>
    <message>
        <source>unknown</source>
        <comment>processor</comment>
        <translation>desconocido</translation>
    </message>
    <message>
        <source>not checked</source>
        <comment>processor</comment>
        <translation>sin comprobar</translation>
    </message>
    <message>
        <source>meets the minimum</source>
        <comment>memory</comment>
        <translation>cumple el mínimo</translation>
    </message>
    <message>
        <source>below the minimum</source>
        <comment>memory</comment>
        <translation>por debajo del mínimo</translation>
    </message>
    <message>
        <source>unknown</source>
        <comment>memory</comment>
        <translation>desconocida</translation>
    </message>
    <message>
        <source>not checked</source>
        <comment>memory</comment>
        <translation>sin comprobar</translation>
    </message>
    <message>
        <source>meets the minimum</source>
        <comment>operating system</comment>
        <translation>cumple el mínimo</translation>
    </message>
    <message>
        <source>below the minimum</source>
        <comment>operating system</comment>
        <translation>por debajo del mínimo</translation>
    </message>
    <message>
        <source>unknown</source>
        <comment>operating system</comment>
        <translation>desconocido</translation>
    </message>
    <message>
        <source>not checked</source>
        <comment>operating system</comment>
        <translation>sin comprobar</translation>
    </message>
    <message>
        <source>meets the minimum</source>
        <comment>computer</comment>
        <translation>cumple el mínimo</translation>
    </message>
    <message>
        <source>below the minimum</source>
        <comment>computer</comment>
        <translation>por debajo del mínimo</translation>
    </message>
    <message>
        <source>unknown</source>
        <comment>computer</comment>
        <translation>desconocido</translation>
    </message>
    <message>
        <source>not checked</source>
        <comment>computer</comment>
        <translation>sin comprobar</translation>
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
        <translation>NVIDIA GeForce (R) GTX 970, AMD RadeonTM R9 290 o superior</translation>
    </message>
    <message>
        <source>Intel i5-4590 or AMD FX 8350 equivalent or faster</source>
        <extracomment>Recommended processor; the product names stay as they are.</extracomment>
        <translation>Intel i5-4590, AMD FX 8350 o superior</translation>
    </message>
    <message>
        <source>Windows 7 SP1, Windows 8.1 or newer</source>
        <translation>Windows 7 SP1, Windows 8.1 o posterior</translation>
    </message>
</context>
<context>
    <name>pResult</name>
    <message>
        <source>Compare error!</source>
        <extracomment>Shown instead of a verdict when no comparison file could be read.</extracomment>
        <translation>¡Error de comparación!</translation>
    </message>
    <message>
        <source>Order Orvo</source>
        <translation>Comprar Orvo</translation>
    </message>
    <message>
        <source>SteamVR Performance Test</source>
        <extracomment>Opens the store page of the test program of that name.</extracomment>
        <translation>SteamVR Performance Test</translation>
    </message>
    <message>
        <source>Browse Orvo-Ready PCs</source>
        <extracomment>&quot;Orvo-Ready&quot; PCs: computers sold as ready for Orvo.</extracomment>
        <translation>Ver PC Orvo Ready</translation>
    </message>
    <message>
        <source>Headset connection</source>
        <extracomment>Heading of the part below the four rows: where the headset plugs in.</extracomment>
        <translation>Conexión del visor</translation>
    </message>
    <message>
        <source>Video</source>
        <extracomment>Title of the line about the video ports.</extracomment>
        <translation>Vídeo</translation>
    </message>
    <message>
        <source>USB</source>
        <translation>USB</translation>
    </message>
    <message>
        <source>Power</source>
        <extracomment>Title of the line about the power supply and the power plan.</extracomment>
        <translation>Energía</translation>
    </message>
</context>
<context>
    <name>pWelcome</name>
    <message>
        <source>This tool will scan your system to determine whether it meets the minimum recommended requirements to run Orvo. It takes less than a minute.</source>
        <translation>Esta herramienta analizará tu sistema para determinar si cumple los requisitos mínimos recomendados para usar Orvo. Tarda menos de un minuto.</translation>
    </message>
    <message>
        <source>Send system information (OS, RAM, CPU, and GPU) to Daxo to help improve Orvo Software. Review %1.</source>
        <extracomment>Beside the consent box. %1 is the link &quot;Daxo Privacy Policy&quot;.</extracomment>
        <translation>Enviar datos del sistema (SO, RAM, CPU y GPU) a Daxo para mejorar el software de Orvo. Consulta la %1.</translation>
    </message>
    <message>
        <source>Daxo Privacy Policy</source>
        <extracomment>Link words inside the consent sentence.</extracomment>
        <translation>Política de privacidad de Daxo</translation>
    </message>
    <message>
        <source>Start</source>
        <extracomment>Starts the check.</extracomment>
        <translation>Iniciar</translation>
    </message>
</context>
</TS>
