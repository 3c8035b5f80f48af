<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>CheckingPanel</name>
    <message>
        <source>Checking your computer...</source>
        <translation>Analyse de votre ordinateur...</translation>
    </message>
</context>
<context>
    <name>Console</name>
    <message>
        <source>Press any key to close this window.</source>
        <extracomment>Shown under the report when it runs in a console window of its own (started from Explorer), which closes with the program.</extracomment>
        <translation>Appuyez sur une touche pour fermer cette fenêtre.</translation>
    </message>
</context>
<context>
    <name>Header</name>
    <message>
        <source>Close</source>
        <extracomment>The window&apos;s close button, as a screen reader names it.</extracomment>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Quick Compatibility Check</source>
        <extracomment>The window&apos;s title under the logo.</extracomment>
        <translation>Vérification rapide de compatibilité</translation>
    </message>
</context>
<context>
    <name>HeadsetText</name>
    <message>
        <source>Connect the headset to a DisplayPort or HDMI port of the %1.</source>
        <extracomment>%1 is the graphics adapter the check ranked (&quot;NVIDIA GeForce GTX 1060 6GB&quot;).</extracomment>
        <translation>Branchez le casque sur un port DisplayPort ou HDMI de la %1.</translation>
    </message>
    <message>
        <source>No HDMI or DisplayPort port was found; the headset needs one on the %1.</source>
        <extracomment>%1 is the graphics adapter the check ranked.</extracomment>
        <translation>Aucun port HDMI ou DisplayPort trouvé ; le casque en a besoin d&apos;un sur la %1.</translation>
    </message>
    <message>
        <source>The video ports could not be read. Connect the headset to a DisplayPort or HDMI port of the most powerful graphics card.</source>
        <translation>Impossible de lire les ports vidéo. Branchez le casque sur un port DisplayPort ou HDMI de la carte graphique la plus puissante.</translation>
    </message>
    <message>
        <source>Connect the headset to a USB 3 (SuperSpeed) port, often blue or marked SS.</source>
        <translation>Branchez le casque sur un port USB 3 (SuperSpeed), souvent bleu ou marqué SS.</translation>
    </message>
    <message>
        <source>Only USB 2.0 ports were found; tracking can fail on them. A USB 3 (SuperSpeed) port, for example on an add-in card, would fix this.</source>
        <translation>Seuls des ports USB 2.0 ont été trouvés ; le suivi peut y échouer. Un port USB 3 (SuperSpeed), par exemple sur une carte d&apos;extension, réglerait le problème.</translation>
    </message>
    <message>
        <source>The USB ports could not be read. Connect the headset to a USB 3 (SuperSpeed) port, often blue or marked SS.</source>
        <translation>Impossible de lire les ports USB. Branchez le casque sur un port USB 3 (SuperSpeed), souvent bleu ou marqué SS.</translation>
    </message>
    <message>
        <source>ok</source>
        <extracomment>Status of a headset connection line: nothing to do.</extracomment>
        <translation>ok</translation>
    </message>
    <message>
        <source>check</source>
        <extracomment>Status of a headset connection line: the user should look at it.</extracomment>
        <translation>à vérifier</translation>
    </message>
    <message>
        <source>unknown</source>
        <extracomment>Status of a headset connection line: the system told nothing.</extracomment>
        <translation>inconnu</translation>
    </message>
    <message>
        <source>HDMI is wired to the %1, but Orvo needs the %2. Use a port of that adapter if it has one (often USB-C), or switch the ports to it if the computer allows that.</source>
        <extracomment>%1 lists the adapters that have the HDMI ports (&quot;Intel UHD Graphics 630&quot;), %2 is the adapter Orvo needs (&quot;NVIDIA GeForce RTX 2070&quot;).</extracomment>
        <translation>Le HDMI est relié à la %1, mais Orvo a besoin de la %2. Utilisez un port de cette carte si elle en a un (souvent USB-C), ou basculez les ports vers elle si l&apos;ordinateur le permet.</translation>
    </message>
    <message>
        <source>DisplayPort is wired to the %1, but Orvo needs the %2. Use a port of that adapter if it has one (often USB-C), or switch the ports to it if the computer allows that.</source>
        <extracomment>%1 lists the adapters that have the DisplayPort ports, %2 is the adapter Orvo needs.</extracomment>
        <translation>Le DisplayPort est relié à la %1, mais Orvo a besoin de la %2. Utilisez un port de cette carte si elle en a un (souvent USB-C), ou basculez les ports vers elle si l&apos;ordinateur le permet.</translation>
    </message>
    <message>
        <source>HDMI and DisplayPort are wired to the %1, but Orvo needs the %2. Use a port of that adapter if it has one (often USB-C), or switch the ports to it if the computer allows that.</source>
        <extracomment>%1 lists the adapters that have the HDMI and DisplayPort ports, %2 is the adapter Orvo needs.</extracomment>
        <translation>Le HDMI et le DisplayPort sont reliés à la %1, mais Orvo a besoin de la %2. Utilisez un port de cette carte si elle en a un (souvent USB-C), ou basculez les ports vers elle si l&apos;ordinateur le permet.</translation>
    </message>
    <message>
        <source>Avoid the ports of the %1 controller: it is known to drop headsets.</source>
        <extracomment>%1 names USB controller chips (&quot;ASMedia ASM1042&quot;).</extracomment>
        <translation>Évitez les ports du contrôleur %1 : il est connu pour faire décrocher les casques.</translation>
    </message>
    <message>
        <source>A USB 3 controller runs the driver %1 rather than Windows&apos; own; if the headset drops out, use Windows&apos; driver.</source>
        <extracomment>%1 names Windows driver services (&quot;asmtxhci&quot;).</extracomment>
        <translation>Un contrôleur USB 3 utilise le pilote %1 au lieu de celui de Windows ; si le casque décroche, passez au pilote de Windows.</translation>
    </message>
    <message>
        <source>The driver of the %1 does not tell which video ports it has. Connect the headset to a DisplayPort or HDMI port of that graphics card.</source>
        <extracomment>%1 is the graphics adapter the check ranked.</extracomment>
        <translation>Le pilote de la %1 n&apos;indique pas quels ports vidéo elle possède. Branchez le casque sur un port DisplayPort ou HDMI de cette carte graphique.</translation>
    </message>
    <message>
        <source>The only USB 3 ports are on the %1 controller, which is known to drop headsets. Ports of another controller, or a USB 3 card with an Intel or Renesas chip, would fix this.</source>
        <extracomment>%1 names USB controller chips (&quot;ASMedia ASM1042&quot;).</extracomment>
        <translation>Les seuls ports USB 3 sont sur le contrôleur %1, connu pour faire décrocher les casques. Les ports d&apos;un autre contrôleur, ou une carte USB 3 à puce Intel ou Renesas, régleraient le problème.</translation>
    </message>
    <message>
        <source>No battery was found: the computer runs on mains power.</source>
        <translation>Aucune batterie trouvée : l&apos;ordinateur fonctionne sur secteur.</translation>
    </message>
    <message>
        <source>The computer is plugged in and does not save power.</source>
        <translation>L&apos;ordinateur est branché sur secteur et n&apos;économise pas l&apos;énergie.</translation>
    </message>
    <message>
        <source>The computer runs on battery, which slows the graphics down a lot. Plug it in and choose a performance power plan before using Orvo.</source>
        <translation>L&apos;ordinateur fonctionne sur batterie, ce qui ralentit fortement les graphismes. Branchez-le et choisissez un mode d&apos;alimentation performant avant d&apos;utiliser Orvo.</translation>
    </message>
    <message>
        <source>Battery saver is on and slows the computer down. Plug it in, turn battery saver off and choose a performance power plan before using Orvo.</source>
        <translation>L&apos;économiseur de batterie est activé et ralentit l&apos;ordinateur. Branchez-le, désactivez l&apos;économiseur de batterie et choisissez un mode d&apos;alimentation performant avant d&apos;utiliser Orvo.</translation>
    </message>
    <message>
        <source>A power-saving plan slows the graphics down. Plug the computer in and choose a performance power plan before using Orvo.</source>
        <translation>Un mode d&apos;économie d&apos;énergie ralentit les graphismes. Branchez l&apos;ordinateur et choisissez un mode d&apos;alimentation performant avant d&apos;utiliser Orvo.</translation>
    </message>
    <message>
        <source>The power state could not be read. Plug a laptop in and choose a performance power plan before using Orvo.</source>
        <translation>L&apos;état de l&apos;alimentation n&apos;a pas pu être lu. Branchez un portable sur secteur et choisissez un mode d&apos;alimentation performant avant d&apos;utiliser Orvo.</translation>
    </message>
    <message>
        <source>Connect the headset to a DisplayPort or HDMI port of the most powerful graphics card.</source>
        <translation>Branchez le casque sur un port DisplayPort ou HDMI de la carte graphique la plus puissante.</translation>
    </message>
</context>
<context>
    <name>RecommendBoard</name>
    <message>
        <source>Recommended Minimum Specifications</source>
        <translation>Configuration minimale recommandée</translation>
    </message>
    <message>
        <source>Graphics</source>
        <extracomment>Row label: the graphics card.</extracomment>
        <translation>Carte graphique</translation>
    </message>
    <message>
        <source>Processor</source>
        <translation>Processeur</translation>
    </message>
    <message>
        <source>Memory</source>
        <extracomment>Row label: the memory (RAM).</extracomment>
        <translation>Mémoire</translation>
    </message>
    <message>
        <source>Video Output</source>
        <extracomment>Row label: the connector for the headset&apos;s video (HDMI, DisplayPort).</extracomment>
        <translation>Sortie vidéo</translation>
    </message>
    <message>
        <source>HDMI 1.4 or DisplayPort 1.2 or newer</source>
        <translation>HDMI 1.4 / DisplayPort 1.2 ou plus récent</translation>
    </message>
    <message>
        <source>USB</source>
        <extracomment>Row label: the USB port.</extracomment>
        <translation>USB</translation>
    </message>
    <message>
        <source>1x USB 2.0 or newer</source>
        <translation>1× USB 2.0 ou plus récent</translation>
    </message>
    <message>
        <source>OS</source>
        <extracomment>Row label: the operating system.</extracomment>
        <translation>Système</translation>
    </message>
    <message>
        <source>For ORVO Pro, DisplayPort 1.2 is required, while USB 3.0 and Windows 8.1 (or newer) are recommended for the best experience.</source>
        <extracomment>ORVO Pro is a model of the headset; its name stays as it is.</extracomment>
        <translation>Pour ORVO Pro, DisplayPort 1.2 est requis ; USB 3.0 et Windows 8.1 (ou plus récent) sont recommandés pour une expérience optimale.</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>Compare error! No comparison file could be used (neither the downloaded nor the shipped one); run with --verbose to see why.</source>
        <extracomment>--verbose is an option of the command; it stays as it is.</extracomment>
        <translation>Erreur de comparaison ! Aucun fichier de comparaison n&apos;a pu être utilisé (ni celui téléchargé, ni celui fourni) ; lancez avec --verbose pour en savoir plus.</translation>
    </message>
    <message>
        <source>no graphics adapter found</source>
        <translation>aucune carte graphique trouvée</translation>
    </message>
    <message>
        <source>Component</source>
        <extracomment>Column heading of the report&apos;s table.</extracomment>
        <translation>Composant</translation>
    </message>
    <message>
        <source>Rank</source>
        <extracomment>Column heading of the report&apos;s table.</extracomment>
        <translation>Évaluation</translation>
    </message>
    <message>
        <source>OrvoCheck report (%1)</source>
        <extracomment>%1 is the program&apos;s version.</extracomment>
        <translation>Rapport OrvoCheck (%1)</translation>
    </message>
    <message>
        <source>Comparison file version: %1</source>
        <translation>Version du fichier de comparaison : %1</translation>
    </message>
    <message>
        <source>Found</source>
        <extracomment>Column heading of the report&apos;s table: what the check found.</extracomment>
        <translation>Détecté</translation>
    </message>
    <message>
        <source>Graphics adapters:</source>
        <translation>Cartes graphiques :</translation>
    </message>
    <message>
        <source>Verdict: %1</source>
        <extracomment>%1 is the rank of the whole computer.</extracomment>
        <translation>Verdict : %1</translation>
    </message>
    <message>
        <source>Compare error! The comparison file %1 does not exist.</source>
        <extracomment>%1 is the file given with --comp.</extracomment>
        <translation>Erreur de comparaison ! Le fichier de comparaison %1 n&apos;existe pas.</translation>
    </message>
    <message>
        <source>Compare error! The comparison file %1 could not be used; run with --verbose to see why.</source>
        <extracomment>%1 is the file given with --comp; --verbose is an option of the command and stays as it is.</extracomment>
        <translation>Erreur de comparaison ! Le fichier de comparaison %1 n&apos;a pas pu être utilisé ; lancez avec --verbose pour en savoir plus.</translation>
    </message>
    <message>
        <source>%1 adapters, listed below</source>
        <extracomment>%1 is the number of graphics adapters (two or more).</extracomment>
        <translation>%1 cartes graphiques, listées ci-dessous</translation>
    </message>
</context>
<context>
    <name>ResultText</name>
    <message>
        <source>4GB or more</source>
        <extracomment>Recommended amount of memory (RAM).</extracomment>
        <translation>4 Go ou plus</translation>
    </message>
    <message>
        <source>Windows 7 SP1, Windows 8.1 or newer (64-bit)</source>
        <translation>Windows 7 SP1, Windows 8.1 ou plus récent (64 bits)</translation>
    </message>
    <message>
        <source>Your system meets the minimum recommended requirements and should be able to run Orvo. For a more in-depth scan of your computer&apos;s readiness for VR, run the SteamVR Performance Test.</source>
        <translation>Votre système atteint la configuration minimale recommandée : Orvo devrait y fonctionner. Pour une analyse plus poussée de sa compatibilité VR, lancez le SteamVR Performance Test.</translation>
    </message>
    <message>
        <source>This computer doesn&apos;t meet Orvo&apos;s recommended minimum specifications. To upgrade to a fully-compatible computer system, browse the %1 website.</source>
        <extracomment>%1 is the link &quot;Orvo Ready&quot;, the name of the ready-PC website; it stays as it is.</extracomment>
        <translation>Cet ordinateur n&apos;atteint pas la configuration minimale recommandée pour Orvo. Pour passer à un ordinateur entièrement compatible, consultez le site %1.</translation>
    </message>
    <message>
        <source>Some of this computer&apos;s components may not work well with Orvo. For more detailed information about your computer&apos;s readiness for Orvo, run the SteamVR Performance Test.</source>
        <translation>Certains composants de cet ordinateur risquent de mal fonctionner avec Orvo. Pour en savoir plus sur la compatibilité de votre ordinateur avec Orvo, lancez le SteamVR Performance Test.</translation>
    </message>
    <message>
        <source>Graphics</source>
        <extracomment>Row label: the graphics card.</extracomment>
        <translation>Carte graphique</translation>
    </message>
    <message>
        <source>This graphics card may not work well with Orvo.</source>
        <translation>Cette carte graphique risque de mal fonctionner avec Orvo.</translation>
    </message>
    <message>
        <source>Processor</source>
        <translation>Processeur</translation>
    </message>
    <message>
        <source>This processor may not be powerful enough to run Orvo.</source>
        <translation>Ce processeur n&apos;est peut-être pas assez puissant pour faire fonctionner Orvo.</translation>
    </message>
    <message>
        <source>Memory</source>
        <extracomment>Row label: the memory (RAM).</extracomment>
        <translation>Mémoire</translation>
    </message>
    <message>
        <source>%1 memory is recommended.</source>
        <extracomment>%1 is the recommended amount, &quot;4GB or more&quot;.</extracomment>
        <translation>%1 de mémoire recommandés.</translation>
    </message>
    <message>
        <source>OS</source>
        <extracomment>Row label: the operating system.</extracomment>
        <translation>Système</translation>
    </message>
    <message>
        <source>%1 is required.</source>
        <extracomment>%1 is the required system, &quot;Windows 7 SP1, Windows 8.1 or newer (64-bit)&quot;.</extracomment>
        <translation>%1 requis.</translation>
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
        <translation>Orvo demande %1 (classe %2)</translation>
    </message>
    <message>
        <source>CPU Mark %1, single thread %2</source>
        <extracomment>%1 is the PassMark CPU Mark, %2 the PassMark single-thread rating.</extracomment>
        <translation>CPU Mark %1, monothread %2</translation>
    </message>
    <message>
        <source>%1 and %2 (%3)</source>
        <extracomment>%1 is the CPU Mark and %2 the single-thread rating Orvo needs, %3 the processor they come from.</extracomment>
        <translation>%1 et %2 (%3)</translation>
    </message>
    <message>
        <source>%1: both figures too low</source>
        <extracomment>%1 is a reference processor.</extracomment>
        <translation>%1 : les deux valeurs sont trop basses</translation>
    </message>
    <message>
        <source>%1: single thread too low</source>
        <extracomment>%1 is a reference processor.</extracomment>
        <translation>%1 : monothread trop bas</translation>
    </message>
    <message>
        <source>%1: CPU Mark too low</source>
        <extracomment>%1 is a reference processor.</extracomment>
        <translation>%1 : CPU Mark trop bas</translation>
    </message>
    <message>
        <source>Orvo needs %1</source>
        <extracomment>%1 is one or more &quot;figure and figure (processor)&quot;, joined by &quot;or&quot;.</extracomment>
        <translation>Orvo demande %1</translation>
    </message>
    <message>
        <source> or </source>
        <translation> ou </translation>
    </message>
    <message>
        <source>%1 GB</source>
        <extracomment>%1 is an amount of memory in gigabytes.</extracomment>
        <translation>%1 Go</translation>
    </message>
    <message>
        <source>Also found: %1 (not used for the verdict)</source>
        <extracomment>%1 lists the names of the other graphics adapters of the computer.</extracomment>
        <translation>Également trouvé : %1 (non pris en compte dans le verdict)</translation>
    </message>
    <message>
        <source>no graphics adapter found</source>
        <translation>aucune carte graphique trouvée</translation>
    </message>
    <message>
        <source>Orvo needs 64-bit Windows 7 SP1, Windows 8.1 or newer</source>
        <translation>Orvo demande Windows 7 SP1, Windows 8.1 ou plus récent, en 64 bits</translation>
    </message>
    <message>
        <source>A faster graphics card would fix this.</source>
        <translation>Une carte graphique plus rapide réglerait le problème.</translation>
    </message>
    <message>
        <source>A faster processor would fix this; it may need a new mainboard.</source>
        <translation>Un processeur plus rapide réglerait le problème ; il faudra peut-être changer de carte mère.</translation>
    </message>
    <message>
        <source>Adding memory to reach %1 would fix this.</source>
        <extracomment>%1 is the amount Orvo needs, like &quot;4 GB&quot;.</extracomment>
        <translation>Passer à %1 de mémoire réglerait le problème.</translation>
    </message>
    <message>
        <source>Installing 64-bit Windows 8.1 or newer would fix this.</source>
        <translation>Installer Windows 8.1 ou plus récent, en 64 bits, réglerait le problème.</translation>
    </message>
    <message>
        <source>The SteamVR Performance Test can tell how well it runs Orvo.</source>
        <extracomment>SteamVR Performance Test is the name of a program; it stays as it is.</extracomment>
        <translation>Le SteamVR Performance Test peut indiquer si Orvo y fonctionnera bien.</translation>
    </message>
    <message>
        <source>Install the graphics driver and run the check again.</source>
        <translation>Installez le pilote de la carte graphique et relancez la vérification.</translation>
    </message>
    <message>
        <source>The comparison data could not be read. Check the internet connection and start OrvoCheck again; if that does not help, reinstall OrvoCheck.</source>
        <translation>Les données de comparaison n&apos;ont pas pu être lues. Vérifiez la connexion Internet et relancez OrvoCheck ; si cela ne suffit pas, réinstallez OrvoCheck.</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Joins a list of names (&quot;Intel UHD Graphics 630, AMD Radeon RX 580&quot;); keep the spaces your language puts around it.</extracomment>
        <translation>, </translation>
    </message>
    <message>
        <source>; </source>
        <extracomment>Joins two short reasons (&quot;Intel Core i5-4590: both figures too low; AMD FX-8350: CPU Mark too low&quot;); keep the spaces your language puts around it.</extracomment>
        <translation> ; </translation>
    </message>
    <message>
        <source>comparison data %1</source>
        <extracomment>%1 is the version of the comparison data, like 2026.12.08; it is a name, not a date: keep it as it is.</extracomment>
        <translation>données de comparaison %1</translation>
    </message>
    <message>
        <source>%1–%2</source>
        <extracomment>A range of benchmark figures, %1 the lowest, %2 the highest.</extracomment>
        <translation>%1–%2</translation>
    </message>
    <message>
        <source>Ranked with the %1 family: every member is fast enough for Orvo</source>
        <comment>graphics card</comment>
        <translation>Classée d&apos;après la famille %1 : tous ses modèles sont assez rapides pour Orvo</translation>
    </message>
    <message>
        <source>Ranked with the %1 family: every member is too slow for Orvo</source>
        <comment>graphics card</comment>
        <translation>Classée d&apos;après la famille %1 : tous ses modèles sont trop lents pour Orvo</translation>
    </message>
    <message>
        <source>Ranked with the %1 family: every member is fast enough for Orvo</source>
        <comment>processor</comment>
        <translation>Classé d&apos;après la famille %1 : tous ses modèles sont assez rapides pour Orvo</translation>
    </message>
    <message>
        <source>Ranked with the %1 family: every member is too slow for Orvo</source>
        <comment>processor</comment>
        <translation>Classé d&apos;après la famille %1 : tous ses modèles sont trop lents pour Orvo</translation>
    </message>
    <message>
        <source>Listed as suitable (%1)</source>
        <comment>graphics card</comment>
        <translation>Listée comme adaptée (%1)</translation>
    </message>
    <message>
        <source>Listed as unsuitable (%1)</source>
        <comment>graphics card</comment>
        <translation>Listée comme inadaptée (%1)</translation>
    </message>
    <message>
        <source>Listed as suitable (%1)</source>
        <comment>processor</comment>
        <translation>Listé comme adapté (%1)</translation>
    </message>
    <message>
        <source>Listed as unsuitable (%1)</source>
        <comment>processor</comment>
        <translation>Listé comme inadapté (%1)</translation>
    </message>
    <message>
        <source>Listed as suitable (%1)</source>
        <comment>operating system</comment>
        <translation>Listé comme adapté (%1)</translation>
    </message>
    <message>
        <source>Listed as unsuitable (%1)</source>
        <comment>operating system</comment>
        <translation>Listé comme inadapté (%1)</translation>
    </message>
    <message>
        <source>On no list (%1)</source>
        <comment>graphics card</comment>
        <translation>Absente des listes (%1)</translation>
    </message>
    <message>
        <source>On no list (%1)</source>
        <comment>processor</comment>
        <translation>Absent des listes (%1)</translation>
    </message>
    <message>
        <source>On no list (%1)</source>
        <comment>operating system</comment>
        <translation>Absent des listes (%1)</translation>
    </message>
    <message>
        <source>The graphics of this computer cannot be replaced: Orvo needs a computer with faster graphics.</source>
        <translation>La partie graphique de cet ordinateur ne peut pas être remplacée : Orvo demande un ordinateur avec une carte graphique plus rapide.</translation>
    </message>
    <message>
        <source>The processor of this computer cannot be replaced: Orvo needs a faster computer.</source>
        <translation>Le processeur de cet ordinateur ne peut pas être remplacé : Orvo demande un ordinateur plus rapide.</translation>
    </message>
    <message>
        <source>This release is not in the comparison data.</source>
        <translation>Cette version ne figure pas dans les données de comparaison.</translation>
    </message>
    <message>
        <source>This release is not in the comparison data, which lists %1.</source>
        <extracomment>%1 lists the releases of the same system that the comparison data holds (&quot;Ubuntu 22.04, Ubuntu 24.04&quot;).</extracomment>
        <translation>Cette version ne figure pas dans les données de comparaison, qui comprennent %1.</translation>
    </message>
    <message>
        <source>meets the minimum</source>
        <comment>graphics card</comment>
        <extracomment>Rank of a component, in the report&apos;s table.</extracomment>
        <translation>atteint le minimum</translation>
    </message>
    <message>
        <source>below the minimum</source>
        <comment>graphics card</comment>
        <translation>sous le minimum</translation>
    </message>
    <message>
        <source>unknown</source>
        <comment>graphics card</comment>
        <translation>inconnue</translation>
    </message>
    <message>
        <source>not checked</source>
        <comment>graphics card</comment>
        <translation>non vérifiée</translation>
    </message>
    <message>
        <source>meets the minimum</source>
        <comment>processor</comment>
        <translation>atteint le minimum</translation>
    </message>
    <message>
        <source>below the minimum</source>
        <comment>processor</comment>
        <translation>sous le minimum</translation>
    </message>
    <message>
        <source>unknown</source>
        <comment>processor</comment>
        <translation>inconnu</translation>
    </message>
    <message>
        <source>not checked</source>
        <comment>processor</comment>
        <translation>non vérifié</translation>
    </message>
    <message>
        <source>meets the minimum</source>
        <comment>memory</comment>
        <translation>atteint le minimum</translation>
    </message>
    <message>
        <source>below the minimum</source>
        <comment>memory</comment>
        <translation>sous le minimum</translation>
    </message>
    <message>
        <source>unknown</source>
        <comment>memory</comment>
        <translation>inconnue</translation>
    </message>
    <message>
        <source>not checked</source>
        <comment>memory</comment>
        <translation>non vérifiée</translation>
    </message>
    <message>
        <source>meets the minimum</source>
        <comment>operating system</comment>
        <translation>atteint le minimum</translation>
    </message>
    <message>
        <source>below the minimum</source>
        <comment>operating system</comment>
        <translation>sous le minimum</translation>
    </message>
    <message>
        <source>unknown</source>
        <comment>operating system</comment>
        <translation>inconnu</translation>
    </message>
    <message>
        <source>not checked</source>
        <comment>operating system</comment>
        <translation>non vérifié</translation>
    </message>
    <message>
        <source>meets the minimum</source>
        <comment>computer</comment>
        <translation>atteint le minimum</translation>
    </message>
    <message>
        <source>below the minimum</source>
        <comment>computer</comment>
        <translation>sous le minimum</translation>
    </message>
    <message>
        <source>unknown</source>
        <comment>computer</comment>
        <translation>inconnu</translation>
    </message>
    <message>
        <source>not checked</source>
        <comment>computer</comment>
        <translation>non vérifié</translation>
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
        <translation>NVIDIA GeForce (R) GTX 970, AMD RadeonTM R9 290 ou mieux</translation>
    </message>
    <message>
        <source>Intel i5-4590 or AMD FX 8350 equivalent or faster</source>
        <extracomment>Recommended processor; the product names stay as they are.</extracomment>
        <translation>Intel i5-4590, AMD FX 8350 ou mieux</translation>
    </message>
    <message>
        <source>Windows 7 SP1, Windows 8.1 or newer</source>
        <translation>Windows 7 SP1, Windows 8.1 ou plus récent</translation>
    </message>
</context>
<context>
    <name>pResult</name>
    <message>
        <source>Compare error!</source>
        <extracomment>Shown instead of a verdict when no comparison file could be read.</extracomment>
        <translation>Erreur de comparaison !</translation>
    </message>
    <message>
        <source>Order Orvo</source>
        <translation>Commander Orvo</translation>
    </message>
    <message>
        <source>SteamVR Performance Test</source>
        <extracomment>Opens the store page of the test program of that name.</extracomment>
        <translation>SteamVR Performance Test</translation>
    </message>
    <message>
        <source>Browse Orvo-Ready PCs</source>
        <extracomment>&quot;Orvo-Ready&quot; PCs: computers sold as ready for Orvo.</extracomment>
        <translation>Voir les PC Orvo Ready</translation>
    </message>
    <message>
        <source>Headset connection</source>
        <extracomment>Heading of the part below the four rows: where the headset plugs in.</extracomment>
        <translation>Connexion du casque</translation>
    </message>
    <message>
        <source>Video</source>
        <extracomment>Title of the line about the video ports.</extracomment>
        <translation>Vidéo</translation>
    </message>
    <message>
        <source>USB</source>
        <translation>USB</translation>
    </message>
    <message>
        <source>Power</source>
        <extracomment>Title of the line about the power supply and the power plan.</extracomment>
        <translation>Alimentation</translation>
    </message>
</context>
<context>
    <name>pWelcome</name>
    <message>
        <source>This tool will scan your system to determine whether it meets the minimum recommended requirements to run Orvo. It takes less than a minute.</source>
        <translation>Cet outil analyse votre système pour déterminer s&apos;il atteint la configuration minimale recommandée pour Orvo. Cela prend moins d&apos;une minute.</translation>
    </message>
    <message>
        <source>Send system information (OS, RAM, CPU, and GPU) to Daxo to help improve Orvo Software. Review %1.</source>
        <extracomment>Beside the consent box. %1 is the link &quot;Daxo Privacy Policy&quot;.</extracomment>
        <translation>Envoyer les infos système (OS, RAM, CPU et GPU) à Daxo pour améliorer le logiciel Orvo. Voir la %1.</translation>
    </message>
    <message>
        <source>Daxo Privacy Policy</source>
        <extracomment>Link words inside the consent sentence.</extracomment>
        <translation>politique de confidentialité de Daxo</translation>
    </message>
    <message>
        <source>Start</source>
        <extracomment>Starts the check.</extracomment>
        <translation>Démarrer</translation>
    </message>
</context>
</TS>
