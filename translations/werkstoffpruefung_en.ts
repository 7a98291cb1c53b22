<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="de">
<context>
    <name>TFormAvT</name>
    <message>
        <location filename="../impact/energy_temperature_form.cpp" line="27"/>
        <source>Kerbschlagarbeit-Temperatur-Kurve: ISO-V-Probe</source>
        <extracomment>Window title</extracomment>
        <translation>Impact energy-temperature curve: Charpy V-notch specimen</translation>
    </message>
    <message>
        <location filename="../impact/energy_temperature_form.cpp" line="36"/>
        <source>&amp;Ende</source>
        <extracomment>Menu item that closes the window; access key after &amp;</extracomment>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <location filename="../impact/energy_temperature_form.cpp" line="39"/>
        <source>&amp;Charakteristische Bruchflächen</source>
        <extracomment>Menu item that shows the four photographs of fracture surfaces; access key after &amp;</extracomment>
        <translation>C&amp;haracteristic fracture surfaces</translation>
    </message>
    <message>
        <location filename="../impact/energy_temperature_form.cpp" line="57"/>
        <source>Kerbschlagarbeit-Temperatur-Kurve</source>
        <translation>Impact energy-temperature curve</translation>
    </message>
    <message>
        <location filename="../impact/energy_temperature_form.cpp" line="58"/>
        <source>Kerbschlagarbeit über der Temperatur für kubisch-raumzentrierten und kubisch-flächenzentrierten Stahl, mit Hochlage, Übergang und Tieflage; die Tasten 1 bis 4 zeigen die Bruchflächen: zäh, Mischbruch, spröde, austenitisch</source>
        <translation>Impact energy over temperature for body-centred cubic and face-centred cubic steel, with upper shelf, transition and lower shelf; the keys 1 to 4 show the fracture surfaces: ductile, mixed, brittle, austenitic</translation>
    </message>
    <message>
        <location filename="../impact/energy_temperature_form.cpp" line="66"/>
        <source>ESC = Abbruch</source>
        <extracomment>Status bar: Escape closes the window</extracomment>
        <translation>ESC = Cancel</translation>
    </message>
</context>
<context>
    <name>TFormBildAus</name>
    <message>
        <location filename="../impact/photograph_forms.cpp" line="56"/>
        <source>Zäher Bruch austenitischer Stahl</source>
        <extracomment>Title of a small photograph window (230 pixels wide)</extracomment>
        <translation>Ductile fracture, austenitic steel</translation>
    </message>
</context>
<context>
    <name>TFormBildH</name>
    <message>
        <location filename="../impact/photograph_forms.cpp" line="32"/>
        <source>Zäher Bruch St 37</source>
        <extracomment>Title of a small photograph window (230 pixels wide): ductile fracture surface of St 37</extracomment>
        <translation>Ductile fracture St 37</translation>
    </message>
</context>
<context>
    <name>TFormBildM</name>
    <message>
        <location filename="../impact/photograph_forms.cpp" line="40"/>
        <source>Mischbruch St 37</source>
        <extracomment>Title of a small photograph window (230 pixels wide): mixed fracture surface of St 37</extracomment>
        <translation>Mixed fracture St 37</translation>
    </message>
</context>
<context>
    <name>TFormBildT</name>
    <message>
        <location filename="../impact/photograph_forms.cpp" line="48"/>
        <source>Sprödbruch St 37</source>
        <extracomment>Title of a small photograph window (230 pixels wide): brittle fracture surface of St 37</extracomment>
        <translation>Brittle fracture St 37</translation>
    </message>
</context>
<context>
    <name>TFormDauer1</name>
    <message>
        <location filename="../fatigue/load_range_form.cpp" line="18"/>
        <source>Bereiche der Dauerschwingbeanspruchung</source>
        <extracomment>Window title</extracomment>
        <translation>Ranges of fatigue loading</translation>
    </message>
    <message>
        <location filename="../fatigue/load_range_form.cpp" line="25"/>
        <source>&amp;Ende</source>
        <extracomment>Menu item that closes the window; access key after &amp;</extracomment>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <location filename="../fatigue/load_range_form.cpp" line="28"/>
        <source>&amp;Neu Zeichnen</source>
        <extracomment>Menu item that clears the diagram; access key after &amp;</extracomment>
        <translation>&amp;Redraw</translation>
    </message>
    <message>
        <location filename="../fatigue/load_range_form.cpp" line="32"/>
        <source>Spannungs-Zeit-Diagramm</source>
        <translation>Stress-time diagram</translation>
    </message>
    <message>
        <location filename="../fatigue/load_range_form.cpp" line="33"/>
        <source>Spannung über der Zeit für die eingegebene Spannungsamplitude und Mittelspannung</source>
        <translation>Stress over time for the stress amplitude and mean stress entered</translation>
    </message>
    <message>
        <location filename="../fatigue/load_range_form.cpp" line="42"/>
        <source>Start der Beanspruchung</source>
        <extracomment>Button that starts the loading: 150 pixels, about 22 characters in bold</extracomment>
        <translation>Start loading</translation>
    </message>
    <message>
        <location filename="../fatigue/load_range_form.cpp" line="45"/>
        <source>ESC = Abbruch</source>
        <extracomment>Status bar: Escape closes the window</extracomment>
        <translation>ESC = Cancel</translation>
    </message>
    <message>
        <location filename="../fatigue/load_range_form.cpp" line="54"/>
        <source>Spannungsverlauf wird gezeichnet: %1</source>
        <translation>Drawing the stress curve: %1</translation>
    </message>
    <message>
        <location filename="../fatigue/load_range_form.cpp" line="57"/>
        <source>Spannungsverlauf gezeichnet</source>
        <extracomment>Announced to screen readers when the stress curve is complete</extracomment>
        <translation>Stress curve drawn</translation>
    </message>
</context>
<context>
    <name>TFormDauer2</name>
    <message>
        <location filename="../fatigue/woehler_influence_form.cpp" line="117"/>
        <source>Wöhlerkurve: Einfluss des Kristallgitters </source>
        <extracomment>Window title</extracomment>
        <translation>S-N curve: influence of the crystal lattice</translation>
    </message>
    <message>
        <location filename="../fatigue/woehler_influence_form.cpp" line="119"/>
        <source>Einfuss des Kristallgitters auf die Dauerfestigkeit</source>
        <extracomment>Title of the diagram in its grey header band, about 60 characters</extracomment>
        <translation>Influence of the crystal lattice on the fatigue strength</translation>
    </message>
    <message>
        <location filename="../fatigue/woehler_influence_form.cpp" line="121"/>
        <source>Kubisch-&amp;raumzentriertes Gitter</source>
        <extracomment>Menu item that draws the curve of body-centred cubic metals; access key after &amp;</extracomment>
        <translation>&amp;Body-centred cubic lattice</translation>
    </message>
    <message>
        <location filename="../fatigue/woehler_influence_form.cpp" line="124"/>
        <source>Kubisch-&amp;flächenzentriertes Gitter</source>
        <extracomment>Menu item that draws the curve of face-centred cubic metals; access key after &amp;</extracomment>
        <translation>&amp;Face-centred cubic lattice</translation>
    </message>
</context>
<context>
    <name>TFormDauer3</name>
    <message>
        <location filename="../fatigue/woehler_influence_form.cpp" line="136"/>
        <source>Wöhlerkurve: Einfluss des Umgebungsmedium</source>
        <extracomment>Window title</extracomment>
        <translation>S-N curve: influence of the environment</translation>
    </message>
    <message>
        <location filename="../fatigue/woehler_influence_form.cpp" line="138"/>
        <source>Einfuss des Umgebungsmediums (Korrosion) auf die Dauerfestigkeit</source>
        <extracomment>Title of the diagram in its grey header band, about 60 characters</extracomment>
        <translation>Influence of the environment (corrosion) on the fatigue strength</translation>
    </message>
    <message>
        <location filename="../fatigue/woehler_influence_form.cpp" line="140"/>
        <source>&amp;Ausgangszustand</source>
        <extracomment>Menu item that draws the curve of the initial state, without corrosion; access key after &amp;</extracomment>
        <translation>&amp;Initial state</translation>
    </message>
    <message>
        <location filename="../fatigue/woehler_influence_form.cpp" line="143"/>
        <source>K&amp;orrosion</source>
        <extracomment>Menu item that draws the curve under corrosion; access key after &amp;</extracomment>
        <translation>C&amp;orrosion</translation>
    </message>
</context>
<context>
    <name>TFormDauer4</name>
    <message>
        <location filename="../fatigue/woehler_influence_form.cpp" line="155"/>
        <source>Wöhlerkurve: Einfluss von Eigenspannungen</source>
        <extracomment>Window title</extracomment>
        <translation>S-N curve: influence of residual stresses</translation>
    </message>
    <message>
        <location filename="../fatigue/woehler_influence_form.cpp" line="157"/>
        <source>Einfluss von Eigenspannungen auf die Dauerfestigkeit</source>
        <extracomment>Title of the diagram in its grey header band, about 60 characters</extracomment>
        <translation>Influence of residual stresses on the fatigue strength</translation>
    </message>
    <message>
        <location filename="../fatigue/woehler_influence_form.cpp" line="159"/>
        <source>&amp;Keine Eigenspannungen</source>
        <extracomment>Menu item: curve without residual stresses; access key after &amp;</extracomment>
        <translation>&amp;No residual stresses</translation>
    </message>
    <message>
        <location filename="../fatigue/woehler_influence_form.cpp" line="162"/>
        <source>&amp;Zugeigenspannungen</source>
        <extracomment>Menu item: curve with residual tensile stresses; access key after &amp;</extracomment>
        <translation>Residual &amp;tensile stresses</translation>
    </message>
    <message>
        <location filename="../fatigue/woehler_influence_form.cpp" line="165"/>
        <source>&amp;Druckeigenspannungen</source>
        <extracomment>Menu item: curve with residual compressive stresses; access key after &amp;</extracomment>
        <translation>Residual &amp;compressive stresses</translation>
    </message>
</context>
<context>
    <name>TFormDauerBild</name>
    <message>
        <location filename="../fatigue/fatigue_picture_form.cpp" line="17"/>
        <location filename="../fatigue/fatigue_picture_form.cpp" line="65"/>
        <source>Dauerbruch: Austenitischer Chrom-Nickel Stahl</source>
        <extracomment>Window title
----------
Caption written in white on the photograph, room for about 40 characters before the scale bar</extracomment>
        <translation>Fatigue fracture: austenitic chromium-nickel steel</translation>
    </message>
    <message>
        <location filename="../fatigue/fatigue_picture_form.cpp" line="26"/>
        <source>Bildunterschrift</source>
        <translation>Caption</translation>
    </message>
    <message>
        <location filename="../fatigue/fatigue_picture_form.cpp" line="27"/>
        <source>Dauerbruch: Austenitischer Chrom-Nickel Stahl, Maßstab 20 µm</source>
        <translation>Fatigue fracture: austenitic chromium-nickel steel, scale 20 µm</translation>
    </message>
    <message>
        <location filename="../fatigue/fatigue_picture_form.cpp" line="31"/>
        <source>ESC = Abbruch</source>
        <extracomment>Status bar: Escape closes the window</extracomment>
        <translation>ESC = Cancel</translation>
    </message>
</context>
<context>
    <name>TFormDauerEinfluss</name>
    <message>
        <location filename="../fatigue/influence_factors_form.cpp" line="34"/>
        <source>Werkstoff</source>
        <extracomment>Panels of the tree of factors that influence the fatigue strength: a group panel (Werkstoff, Bauteilform, Belastung, Umgebung) holds about 14 characters, a factor panel about 30, in a bold font of 20 pixels</extracomment>
        <translation>Material</translation>
    </message>
    <message>
        <location filename="../fatigue/influence_factors_form.cpp" line="35"/>
        <source>Kristallgitter</source>
        <translation>Crystal lattice</translation>
    </message>
    <message>
        <location filename="../fatigue/influence_factors_form.cpp" line="36"/>
        <source>Wärmebehandlung</source>
        <translation>Heat treatment</translation>
    </message>
    <message>
        <location filename="../fatigue/influence_factors_form.cpp" line="37"/>
        <source>Eigenspannungen</source>
        <translation>Residual stresses</translation>
    </message>
    <message>
        <location filename="../fatigue/influence_factors_form.cpp" line="38"/>
        <source>Bauteilform</source>
        <translation>Shape</translation>
    </message>
    <message>
        <location filename="../fatigue/influence_factors_form.cpp" line="39"/>
        <source>Kerbeinfluss</source>
        <translation>Notch effect</translation>
    </message>
    <message>
        <location filename="../fatigue/influence_factors_form.cpp" line="40"/>
        <source>Oberflächenzustand</source>
        <translation>Surface condition</translation>
    </message>
    <message>
        <location filename="../fatigue/influence_factors_form.cpp" line="41"/>
        <source>Bauteilabmessungen</source>
        <translation>Component size</translation>
    </message>
    <message>
        <location filename="../fatigue/influence_factors_form.cpp" line="42"/>
        <source>Belastung</source>
        <translation>Loading</translation>
    </message>
    <message>
        <location filename="../fatigue/influence_factors_form.cpp" line="43"/>
        <source>Belastungsart</source>
        <translation>Type of loading</translation>
    </message>
    <message>
        <location filename="../fatigue/influence_factors_form.cpp" line="44"/>
        <source>Mittelspannung</source>
        <translation>Mean stress</translation>
    </message>
    <message>
        <location filename="../fatigue/influence_factors_form.cpp" line="45"/>
        <source>Spannungen und Frequenz</source>
        <translation>Stresses and frequency</translation>
    </message>
    <message>
        <location filename="../fatigue/influence_factors_form.cpp" line="46"/>
        <source>Umgebung</source>
        <translation>Environment</translation>
    </message>
    <message>
        <location filename="../fatigue/influence_factors_form.cpp" line="47"/>
        <source>Temperatur</source>
        <translation>Temperature</translation>
    </message>
    <message>
        <location filename="../fatigue/influence_factors_form.cpp" line="48"/>
        <source>Umgebungsmedium</source>
        <translation>Surrounding medium</translation>
    </message>
    <message>
        <location filename="../fatigue/influence_factors_form.cpp" line="80"/>
        <source>Einflussgrößen auf die Dauerfestigkeit von Bauteilen</source>
        <extracomment>Window title</extracomment>
        <translation>Factors influencing the fatigue strength of components</translation>
    </message>
    <message>
        <location filename="../fatigue/influence_factors_form.cpp" line="87"/>
        <source>&amp;Ende</source>
        <extracomment>Menu item that closes the window; access key after &amp;</extracomment>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <location filename="../fatigue/influence_factors_form.cpp" line="92"/>
        <source>Einflussgrößen auf die Dauerfestigkeit</source>
        <translation>Factors influencing the fatigue strength</translation>
    </message>
    <message>
        <location filename="../fatigue/influence_factors_form.cpp" line="93"/>
        <source>Baum der Einflussgrößen: Werkstoff, Bauteilform, Belastung, Umgebung</source>
        <translation>Tree of the influencing factors: material, shape, loading, environment</translation>
    </message>
    <message>
        <location filename="../fatigue/influence_factors_form.cpp" line="103"/>
        <source>ESC = Abbruch</source>
        <extracomment>Status bar: Escape closes the window</extracomment>
        <translation>ESC = Cancel</translation>
    </message>
</context>
<context>
    <name>TFormDauerTExt</name>
    <message>
        <location filename="../fatigue/introduction_form.cpp" line="30"/>
        <source>Zeitlich verändernde  und wiederholende Beanspruchungen führen in vielen
Fällen, auch wenn die Belastungen unterhalb der Streckgrenze liegen, zu einer
Werkstoffschädigung oft bis zum Dauerbruch (Ermüdungsbruch).
Der Dauerschwingversuch liefert Kennwerte, die das mechanische Verhalten von
Bauteilen unter zyklischer Belastung (schwellend oder wechselnd) beschreiben.</source>
        <extracomment>Introduction to fatigue testing, first paragraph: 5 lines of about 80 characters (font of 24 pixels on a sheet 750 pixels wide), broken with 
</extracomment>
        <translation>Loads that change and repeat over time damage a material in many cases,
even when the stresses stay below the yield strength, often until it
fails by fatigue fracture.
The fatigue test yields characteristic values that describe the mechanical
behaviour of components under cyclic (pulsating or alternating) loading.</translation>
    </message>
    <message>
        <location filename="../fatigue/introduction_form.cpp" line="37"/>
        <source>Beim Dauerschwingversuch wird meist bei unterschiedlichem Spannungsniveau ein
sinusförmiger Belastungsverlauf mit konstanter Spannungsamplitude bis zum Bruch der
Probe aufgebracht und die Bruchzyklenzahl registriert. Als geeignete grafische
Darstellung hat sich das Wöhler-Diagramm bewährt.</source>
        <extracomment>Second paragraph: 4 lines of about 80 characters, broken with 
</extracomment>
        <translation>In the fatigue test a sinusoidal load of constant stress amplitude is
usually applied at several stress levels until the specimen breaks, and
the number of cycles to failure is recorded. The S-N (Wöhler) diagram
has proved a suitable way of showing the results.</translation>
    </message>
    <message>
        <location filename="../fatigue/introduction_form.cpp" line="43"/>
        <source>Für Dauerschwingversuche werden Zug/Druck-, Umlaufbiege-, Wechselbiege- 
und Torsionswechsel-Prüfmaschinen eingesetzt.</source>
        <extracomment>Third paragraph: 2 lines of about 80 characters, broken with 
</extracomment>
        <translation>Fatigue tests are run on tension-compression, rotating bending,
alternating bending and alternating torsion testing machines.</translation>
    </message>
    <message>
        <location filename="../fatigue/introduction_form.cpp" line="53"/>
        <location filename="../fatigue/introduction_form.cpp" line="64"/>
        <source>Ermittlung der Dauerfestigkeit</source>
        <extracomment>Window title</extracomment>
        <translation>Determining the fatigue strength</translation>
    </message>
    <message>
        <location filename="../fatigue/introduction_form.cpp" line="60"/>
        <source>&amp;Ende</source>
        <extracomment>Menu item that closes the window; access key after &amp;</extracomment>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <location filename="../fatigue/introduction_form.cpp" line="65"/>
        <source>Einführungstext zum Dauerschwingversuch</source>
        <translation>Introduction to the fatigue test</translation>
    </message>
    <message>
        <location filename="../fatigue/introduction_form.cpp" line="69"/>
        <source>ESC = Abbruch</source>
        <extracomment>Status bar: Escape closes the window</extracomment>
        <translation>ESC = Cancel</translation>
    </message>
</context>
<context>
    <name>TFormDauerWBM</name>
    <message>
        <location filename="../fatigue/bending_machine_form.cpp" line="14"/>
        <location filename="../fatigue/bending_machine_form.cpp" line="31"/>
        <source>Wechselbiegemaschine (schematisch)</source>
        <extracomment>Window title</extracomment>
        <translation>Alternating bending machine (schematic)</translation>
    </message>
    <message>
        <location filename="../fatigue/bending_machine_form.cpp" line="21"/>
        <source>&amp;Ende</source>
        <extracomment>Menu item that closes the window; access key after &amp;</extracomment>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <location filename="../fatigue/bending_machine_form.cpp" line="23"/>
        <source>Start</source>
        <extracomment>Menu item; access key after &amp;</extracomment>
        <translation>Start</translation>
    </message>
    <message>
        <location filename="../fatigue/bending_machine_form.cpp" line="26"/>
        <source>Stopp</source>
        <extracomment>Menu item; access key after &amp;</extracomment>
        <translation>Stop</translation>
    </message>
    <message>
        <location filename="../fatigue/bending_machine_form.cpp" line="28"/>
        <source>&amp;Neu Starten</source>
        <extracomment>Menu item; access key after &amp;</extracomment>
        <translation>&amp;Restart</translation>
    </message>
    <message>
        <location filename="../fatigue/bending_machine_form.cpp" line="32"/>
        <source>Exzenter, Pleuel und eingespannte Probe mit den Formeln der Biegespannung</source>
        <translation>Eccentric, connecting rod and clamped specimen with the formulas of the bending stress</translation>
    </message>
    <message>
        <location filename="../fatigue/bending_machine_form.cpp" line="35"/>
        <source>ESC = Abbruch</source>
        <extracomment>Status bar: Escape closes the window</extracomment>
        <translation>ESC = Cancel</translation>
    </message>
</context>
<context>
    <name>TFormDauerWoehler</name>
    <message>
        <location filename="../fatigue/woehler_recording_form.cpp" line="21"/>
        <source>Aufnahme einer Wöhlerlinie einer weichgeglühten und kugelgestrahlten Aluminiumlegierung AlMg4,5Mn</source>
        <extracomment>Window title</extracomment>
        <translation>Recording the S-N curve of a soft-annealed and a shot-peened aluminium alloy AlMg4.5Mn</translation>
    </message>
    <message>
        <location filename="../fatigue/woehler_recording_form.cpp" line="30"/>
        <source>&amp;Ende</source>
        <extracomment>Menu item that closes the window; access key after &amp;</extracomment>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <location filename="../fatigue/woehler_recording_form.cpp" line="33"/>
        <source>&amp;Weichgeglüht</source>
        <extracomment>Menu of the load series of the soft-annealed specimens; access key after &amp;</extracomment>
        <translation>&amp;Soft-annealed</translation>
    </message>
    <message>
        <location filename="../fatigue/woehler_recording_form.cpp" line="35"/>
        <source>&amp;Kugelgestrahlt</source>
        <extracomment>Menu of the load series of the shot-peened specimens; access key after &amp;</extracomment>
        <translation>S&amp;hot-peened</translation>
    </message>
    <message>
        <location filename="../fatigue/woehler_recording_form.cpp" line="39"/>
        <source>Spannungsamplitude %1 N/qmm</source>
        <extracomment>Menu item that runs a load series; %1 is the stress amplitude in N/mm²</extracomment>
        <translation>Stress amplitude %1 N/mm²</translation>
    </message>
    <message>
        <location filename="../fatigue/woehler_recording_form.cpp" line="44"/>
        <source>&amp;Vollbild</source>
        <extracomment>Menu item that enlarges the Wöhler diagram to the whole window; access key after &amp;</extracomment>
        <translation>&amp;Full view</translation>
    </message>
    <message>
        <location filename="../fatigue/woehler_recording_form.cpp" line="46"/>
        <source>&amp;Bruchwahrscheinlichkeit</source>
        <extracomment>Menu of the lines of equal probability of fracture; access key after &amp;</extracomment>
        <translation>&amp;Probability of fracture</translation>
    </message>
    <message>
        <location filename="../fatigue/woehler_recording_form.cpp" line="52"/>
        <source>Weichgeglüht</source>
        <extracomment>State of the specimens in the menu of fracture probabilities: soft-annealed</extracomment>
        <translation>Soft-annealed</translation>
    </message>
    <message>
        <location filename="../fatigue/woehler_recording_form.cpp" line="54"/>
        <source>Kugelgestrahlt</source>
        <translation>Shot-peened</translation>
    </message>
    <message>
        <location filename="../fatigue/woehler_recording_form.cpp" line="56"/>
        <source>%1 %2%</source>
        <extracomment>Menu item of a line of equal fracture probability: %1 is the state, %2 the probability in per cent</extracomment>
        <translation>%1 %2%</translation>
    </message>
    <message>
        <location filename="../fatigue/woehler_recording_form.cpp" line="61"/>
        <source>&amp;Neu Zeichnen</source>
        <extracomment>Menu item that clears the diagrams; access key after &amp;</extracomment>
        <translation>&amp;Redraw</translation>
    </message>
    <message>
        <location filename="../fatigue/woehler_recording_form.cpp" line="64"/>
        <source>Spannungs-Zeit-Verlauf der Laststufe</source>
        <translation>Stress over time at the load level</translation>
    </message>
    <message>
        <location filename="../fatigue/woehler_recording_form.cpp" line="67"/>
        <source>Wöhlerdiagramm</source>
        <translation>S-N diagram</translation>
    </message>
    <message>
        <location filename="../fatigue/woehler_recording_form.cpp" line="68"/>
        <source>Bruchpunkte der Laststufen, Spannungsamplitude über der Bruchzyklenzahl</source>
        <translation>Fracture points of the load levels, stress amplitude over the number of cycles to failure</translation>
    </message>
    <message>
        <location filename="../fatigue/woehler_recording_form.cpp" line="71"/>
        <source>ESC = Abbruch</source>
        <extracomment>Status bar: Escape closes the window</extracomment>
        <translation>ESC = Cancel</translation>
    </message>
    <message>
        <location filename="../fatigue/woehler_recording_form.cpp" line="100"/>
        <source>Laststufe %1 N/mm², %2: die Proben schwingen bis zum Bruch</source>
        <extracomment>Announced to screen readers: %1 is the stress amplitude, %2 the state (soft-annealed or shot-peened)</extracomment>
        <translation>Load level %1 N/mm², %2: the specimens are cycled until they break</translation>
    </message>
    <message>
        <location filename="../fatigue/woehler_recording_form.cpp" line="102"/>
        <source>weichgeglüht</source>
        <translation>soft-annealed</translation>
    </message>
    <message>
        <location filename="../fatigue/woehler_recording_form.cpp" line="102"/>
        <source>kugelgestrahlt</source>
        <translation>shot-peened</translation>
    </message>
    <message>
        <location filename="../fatigue/woehler_recording_form.cpp" line="106"/>
        <source>Bruchpunkte aller zehn Laststufen eingetragen</source>
        <translation>Fracture points of all ten load levels plotted</translation>
    </message>
    <message>
        <location filename="../fatigue/woehler_recording_form.cpp" line="109"/>
        <source>Proben gebrochen, ihre Bruchpunkte eingetragen: %1 von 10 Laststufen</source>
        <translation>Specimens broken, their fracture points plotted: %1 of 10 load levels</translation>
    </message>
</context>
<context>
    <name>TFormHammerD108</name>
    <message>
        <location filename="../impact/photograph_forms.cpp" line="78"/>
        <source>Pendelschlagwerk Harlunde</source>
        <extracomment>Title of the photograph of the pendulum impact tester; the name Harlunde stays</extracomment>
        <translation>Pendulum impact tester Harlunde</translation>
    </message>
</context>
<context>
    <name>TFormKerbHa</name>
    <message>
        <location filename="../impact/pendulum_form.cpp" line="24"/>
        <source> Der Kerbschlagbiegeversuch ist ein 
 Prüfverfahren zur qualitativen Ermitt-
 lung des Zähigkeitsverhaltens eines
 Werkstückes.
 
 Der Pendelhammer des Schlag-
 werks fällt auf die in einem 
 Widerlager ruhende gekerbte 
 Probe. 
 Die Hammerfinne durchschlägt die 
 Probe. 
 In diesem Versuch wird die Verform-
 ungsarbeit bis zum Bruch gemessen, 
 wobei der Probenquerschnitt (Ao) 
 einem dreiachsigen Spannungs-
 zustand ausgesetzt wird.
 
 Wird eine Versuchsreihe mit Proben
 des gleichen Werkstoffes bei ver-
 schiedenen Temperaturen durchge-
 führt, so erhält man eine 
 
</source>
        <extracomment>Explanation memo of the pendulum impact tester: 230 pixels wide, about 32 characters a line, 19 lines; break the lines by hand with 
. The text leads on to the curve named in the link below the memo.</extracomment>
        <translation> The notched-bar impact test is a
 method for a qualitative judgement
 of the toughness of a material.

 The hammer of the pendulum
 impact tester falls onto the
 notched specimen resting on
 the anvil.
 The striking edge breaks
 through the specimen.
 The test measures the energy
 absorbed up to fracture, while
 the cross-section of the
 specimen (Ao) is under a
 triaxial state of stress.

 A series of tests on specimens
 of one material at different
 temperatures gives the

</translation>
    </message>
    <message>
        <location filename="../impact/pendulum_form.cpp" line="54"/>
        <source>Kerbschlagbiegeversuch (DIN 50115, DIN EN 10045-1): Pendelschlagwerk (schematisch)</source>
        <extracomment>Window title</extracomment>
        <translation>Notched-bar impact test (DIN 50115, DIN EN 10045-1): pendulum impact tester (schematic)</translation>
    </message>
    <message>
        <location filename="../impact/pendulum_form.cpp" line="61"/>
        <source>&amp;Ende</source>
        <extracomment>Menu item that closes the window; access key after &amp;</extracomment>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <location filename="../impact/pendulum_form.cpp" line="64"/>
        <source>&amp;Start</source>
        <extracomment>Menu item that releases the pendulum hammer; access key after &amp;</extracomment>
        <translation>&amp;Start</translation>
    </message>
    <message>
        <location filename="../impact/pendulum_form.cpp" line="66"/>
        <source>&amp;Löschen/neu</source>
        <extracomment>Menu item that clears the picture and raises the hammer again; access key after &amp;</extracomment>
        <translation>&amp;Clear/new</translation>
    </message>
    <message>
        <location filename="../impact/pendulum_form.cpp" line="71"/>
        <source>Pendelschlagwerk (schematisch)</source>
        <translation>Pendulum impact tester (schematic)</translation>
    </message>
    <message>
        <location filename="../impact/pendulum_form.cpp" line="72"/>
        <source>Pendelhammer in Ausgangsstellung über der Probe im Widerlager</source>
        <translation>Pendulum hammer in its starting position above the specimen on the anvil</translation>
    </message>
    <message>
        <location filename="../impact/pendulum_form.cpp" line="75"/>
        <source>Formel der Kerbschlagzähigkeit</source>
        <translation>Formula of the impact strength</translation>
    </message>
    <message>
        <location filename="../impact/pendulum_form.cpp" line="76"/>
        <source>Kerbschlagzähigkeit gleich Kerbschlagarbeit durch Restquerschnitt</source>
        <translation>Impact strength equals impact energy divided by the remaining cross-section</translation>
    </message>
    <message>
        <location filename="../impact/pendulum_form.cpp" line="79"/>
        <source>Gekerbte Probe</source>
        <translation>Notched specimen</translation>
    </message>
    <message>
        <location filename="../impact/pendulum_form.cpp" line="80"/>
        <source>Probe mit Kerb unter der Hammerfinne, dreiachsiger Spannungszustand</source>
        <translation>Specimen with its notch below the striking edge, triaxial state of stress</translation>
    </message>
    <message>
        <location filename="../impact/pendulum_form.cpp" line="84"/>
        <source>Kerbschlagarbeit-Temperatur-Kurve öffnen</source>
        <extracomment>Accessible name of the link that opens the impact energy-temperature curve</extracomment>
        <translation>Open the impact energy-temperature curve</translation>
    </message>
    <message>
        <location filename="../impact/pendulum_form.cpp" line="93"/>
        <source>ESC = Abbruch</source>
        <extracomment>Status bar: Escape closes the window</extracomment>
        <translation>ESC = Cancel</translation>
    </message>
    <message>
        <location filename="../impact/pendulum_form.cpp" line="104"/>
        <source>Pendelhammer fällt aus der Fallhöhe H auf die Probe</source>
        <translation>The pendulum hammer falls from the height H onto the specimen</translation>
    </message>
    <message>
        <location filename="../impact/pendulum_form.cpp" line="105"/>
        <source>Probe durchschlagen: der Pendelhammer steigt auf die Steighöhe h</source>
        <translation>Specimen broken: the pendulum hammer rises to the height h</translation>
    </message>
    <message>
        <location filename="../impact/pendulum_form.cpp" line="107"/>
        <source>Probe durchschlagen, Pendel ausgeschwungen</source>
        <extracomment>Announced to screen readers when the swing has ended</extracomment>
        <translation>Specimen broken, pendulum at rest</translation>
    </message>
</context>
<context>
    <name>TFormZug</name>
    <message>
        <location filename="../tensile/stress_strain_form.cpp" line="55"/>
        <source> Die Grafik zeigt schematisch die
 Spannungs-Dehnungskurven für einen
 unlegierten- und einen hochlegierten
 Stahl.
  
 Im weiteren werden die wichtigsten
 Kenngrößen, die bei Ermittlung einer
 Spannungs-Dehnungskurve von 
 Bedeutung sind, erläutert.

 Austenitische Stähle verfügen im 
 lösungsgeglühten Zustand im Vergleich
 zu einem unlegierten Stahl über eine
 wesentlich höhere Bruchdehnung.</source>
        <extracomment>Explanation memo beside the stress-strain diagram: 263 pixels wide, about 36 characters a line, 19 lines; break the lines by hand with 
.</extracomment>
        <translation> The diagram shows schematic
 stress-strain curves of an
 unalloyed and a high-alloy steel.

 The list below explains the
 most important characteristic
 values of a stress-strain curve.

 In the solution-annealed
 condition austenitic steels have
 a much higher elongation after
 fracture than an unalloyed steel.</translation>
    </message>
    <message>
        <location filename="../tensile/stress_strain_form.cpp" line="76"/>
        <source>Zugversuch nach DIN EN 10002: Spannungs-Dehnungs-Kurve</source>
        <extracomment>Window title</extracomment>
        <translation>Tensile test to DIN EN 10002: stress-strain curve</translation>
    </message>
    <message>
        <location filename="../tensile/stress_strain_form.cpp" line="83"/>
        <source>&amp;Ende</source>
        <extracomment>Menu item that closes the window; access key after &amp;</extracomment>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <location filename="../tensile/stress_strain_form.cpp" line="86"/>
        <source>&amp;unlegierter Stahl</source>
        <extracomment>Menu item that draws the curve of an unalloyed steel; access key after &amp;</extracomment>
        <translation>&amp;Unalloyed steel</translation>
    </message>
    <message>
        <location filename="../tensile/stress_strain_form.cpp" line="88"/>
        <source>&amp;hochlegierter austenitischer Stahl</source>
        <extracomment>Menu item that draws the curve of a high-alloy austenitic steel; access key after &amp;</extracomment>
        <translation>&amp;High-alloy austenitic steel</translation>
    </message>
    <message>
        <location filename="../tensile/stress_strain_form.cpp" line="91"/>
        <source>&amp;Loeschen/Neu</source>
        <extracomment>Menu item that clears the diagram; access key after &amp;</extracomment>
        <translation>&amp;Clear/new</translation>
    </message>
    <message>
        <location filename="../tensile/stress_strain_form.cpp" line="94"/>
        <source>Spannungs-Dehnungs-Diagramm</source>
        <translation>Stress-strain diagram</translation>
    </message>
    <message>
        <location filename="../tensile/stress_strain_form.cpp" line="95"/>
        <source>Spannung über der Dehnung für einen unlegierten und einen hochlegierten austenitischen Stahl</source>
        <translation>Stress over strain for an unalloyed and a high-alloy austenitic steel</translation>
    </message>
    <message>
        <location filename="../tensile/stress_strain_form.cpp" line="99"/>
        <source>Begriffe des Zugversuchs</source>
        <translation>Terms of the tensile test</translation>
    </message>
    <message>
        <location filename="../tensile/stress_strain_form.cpp" line="100"/>
        <source>Definition und Formel des in der Liste gewählten Begriffs</source>
        <translation>Definition and formula of the term chosen in the list</translation>
    </message>
    <message>
        <location filename="../tensile/stress_strain_form.cpp" line="112"/>
        <source>Begriffe</source>
        <extracomment>Accessible name of the list of tensile test terms</extracomment>
        <translation>Terms</translation>
    </message>
    <message>
        <location filename="../tensile/stress_strain_form.cpp" line="131"/>
        <source>ESC = Abbruch</source>
        <extracomment>Status bar: Escape closes the window</extracomment>
        <translation>ESC = Cancel</translation>
    </message>
    <message>
        <location filename="../tensile/stress_strain_form.cpp" line="145"/>
        <source>Kurve wird gezeichnet</source>
        <translation>Drawing the curve</translation>
    </message>
    <message>
        <location filename="../tensile/stress_strain_form.cpp" line="148"/>
        <source>unlegierter Stahl</source>
        <translation>unalloyed steel</translation>
    </message>
    <message>
        <location filename="../tensile/stress_strain_form.cpp" line="150"/>
        <source>hochlegierter austenitischer Stahl</source>
        <translation>high-alloy austenitic steel</translation>
    </message>
    <message>
        <location filename="../tensile/stress_strain_form.cpp" line="152"/>
        <source>Kurven gezeichnet: %1</source>
        <extracomment>Announced to screen readers; %1 lists the curves drawn, separated by commas</extracomment>
        <translation>Curves drawn: %1</translation>
    </message>
</context>
<context>
    <name>TFormZugAnniHoch</name>
    <message>
        <location filename="../tensile/standard_specimen_form.cpp" line="17"/>
        <source>Zugversuch nach DIN EN 10002: Spannungs-Dehnungs-Kurve mit Standardprobe</source>
        <extracomment>Window title</extracomment>
        <translation>Tensile test to DIN EN 10002: stress-strain curve with standard specimen</translation>
    </message>
    <message>
        <location filename="../tensile/standard_specimen_form.cpp" line="24"/>
        <source>&amp;Ende</source>
        <extracomment>Menu item that closes the window; access key after &amp;</extracomment>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <location filename="../tensile/standard_specimen_form.cpp" line="27"/>
        <source>&amp;Start Zugversuch</source>
        <extracomment>Menu item that starts the tensile test; access key after &amp;</extracomment>
        <translation>&amp;Start tensile test</translation>
    </message>
    <message>
        <location filename="../tensile/standard_specimen_form.cpp" line="30"/>
        <source>Spannungs-Dehnungs-Diagramm</source>
        <translation>Stress-strain diagram</translation>
    </message>
    <message>
        <location filename="../tensile/standard_specimen_form.cpp" line="31"/>
        <source>Kurve mit oberer und unterer Streckgrenze</source>
        <translation>Curve with upper and lower yield strength</translation>
    </message>
    <message>
        <location filename="../tensile/standard_specimen_form.cpp" line="34"/>
        <source>Normprobe (Zugstab)</source>
        <translation>Standard specimen (tensile bar)</translation>
    </message>
    <message>
        <location filename="../tensile/standard_specimen_form.cpp" line="34"/>
        <source>Zugstab zwischen den Zugkräften</source>
        <translation>Tensile bar between the tensile forces</translation>
    </message>
    <message>
        <location filename="../tensile/standard_specimen_form.cpp" line="38"/>
        <source>ESC = Abbruch</source>
        <extracomment>Status bar: Escape closes the window</extracomment>
        <translation>ESC = Cancel</translation>
    </message>
    <message>
        <location filename="../tensile/standard_specimen_form.cpp" line="53"/>
        <source>Hookesche Gerade: die Probe dehnt sich elastisch</source>
        <translation>Hooke&apos;s line: the specimen stretches elastically</translation>
    </message>
    <message>
        <location filename="../tensile/standard_specimen_form.cpp" line="55"/>
        <source>Streckgrenze erreicht: die Probe fließt, die Spannung fällt von ReH auf ReL</source>
        <translation>Yield strength reached: the specimen yields, the stress drops from ReH to ReL</translation>
    </message>
    <message>
        <location filename="../tensile/standard_specimen_form.cpp" line="57"/>
        <source>Verfestigung bis zur Zugfestigkeit Rm: die Probe wird gleichmäßig länger und dünner</source>
        <translation>Strain hardening up to the tensile strength Rm: the specimen grows uniformly longer and thinner</translation>
    </message>
    <message>
        <location filename="../tensile/standard_specimen_form.cpp" line="59"/>
        <source>Zugfestigkeit Rm überschritten: die Probe schnürt sich ein</source>
        <translation>Tensile strength Rm passed: the specimen necks</translation>
    </message>
    <message>
        <location filename="../tensile/standard_specimen_form.cpp" line="61"/>
        <source>Kurve bis zum Bruch gezeichnet, Probe eingeschnürt und gebrochen</source>
        <translation>Curve drawn up to fracture, specimen necked and broken</translation>
    </message>
</context>
<context>
    <name>TFormZugD108</name>
    <message>
        <location filename="../impact/photograph_forms.cpp" line="86"/>
        <source>Zugprüfmaschine Harlunde</source>
        <extracomment>Title of the photograph of the tensile testing machine; the name Harlunde stays</extracomment>
        <translation>Tensile testing machine Harlunde</translation>
    </message>
</context>
<context>
    <name>TFormZugma</name>
    <message>
        <location filename="../tensile/tensile_machine_form.cpp" line="21"/>
        <source> Der Zugversuch nach DIN EN 10002 
 (früher DIN 50145) ist ein Prüfverfahren 
 zur Ermittlung der Festigkeit eines 
 Werkstoffes unter Zugbeanspruchung.

 Hierbei kann das Verhalten eines Werk-
 stoffs bei stetig zunehmender einachs-
 iger Zugbeanspruchung, die gleichmäßig 
 über den gesamten Probenquerschnitt 
 verteilt ist beobachtet werden.
 
 Eine genormte Zugprobe wird während
 der Versuchsdurchführung in einer
 Prüfmaschine bis zum Bruch gedehnt,
 wobei dabei die Kraft und Zunahme
 der Messlänge (Weg) aufgezeichnet
 werden.
 
 Die Kraft bezogen auf den Ausgangs-
 querschnitt ergibt die Zugspannung
 und die prozentuale Zunahne der 
 Messlänge die Dehnung.
 

</source>
        <extracomment>Explanation memo of the tensile machine window: 280 pixels wide, about 36 characters a line, 25 lines; break the lines by hand with 
.</extracomment>
        <translation> The tensile test to DIN EN 10002
 (formerly DIN 50145) is a method
 for determining the strength of a
 material under tensile load.

 It shows how a material behaves
 under a steadily increasing
 uniaxial tensile load spread
 evenly over the whole cross-
 section of the specimen.

 A standard tensile specimen is
 stretched in a testing machine
 until it breaks, while the force
 and the extension of the gauge
 length are recorded.

 The force divided by the original
 cross-section gives the tensile
 stress, the extension of the
 gauge length in per cent gives
 the strain.


</translation>
    </message>
    <message>
        <location filename="../tensile/tensile_machine_form.cpp" line="52"/>
        <source>Zugversuch nach DIN EN 10002: Zugprüfmaschine (schematisch)</source>
        <extracomment>Window title</extracomment>
        <translation>Tensile test to DIN EN 10002: tensile testing machine (schematic)</translation>
    </message>
    <message>
        <location filename="../tensile/tensile_machine_form.cpp" line="59"/>
        <source>&amp;Ende</source>
        <extracomment>Menu item that closes the window; access key after &amp;</extracomment>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <location filename="../tensile/tensile_machine_form.cpp" line="62"/>
        <source>&amp;Start bewegliches Querhaupt</source>
        <extracomment>Menu item: the moving crosshead starts to pull the specimen; access key after &amp;</extracomment>
        <translation>&amp;Start moving crosshead</translation>
    </message>
    <message>
        <location filename="../tensile/tensile_machine_form.cpp" line="65"/>
        <source>&amp;Neu</source>
        <extracomment>Menu item: puts a new specimen into the machine; access key after &amp;</extracomment>
        <translation>&amp;New</translation>
    </message>
    <message>
        <location filename="../tensile/tensile_machine_form.cpp" line="70"/>
        <location filename="../tensile/tensile_machine_form.cpp" line="75"/>
        <source>Zugprüfmaschine (schematisch)</source>
        <extracomment>Accessible name of the machine drawing</extracomment>
        <translation>Tensile testing machine (schematic)</translation>
    </message>
    <message>
        <location filename="../tensile/tensile_machine_form.cpp" line="72"/>
        <source>Maschinenrahmen, Gewindestangen, bewegliches Querhaupt und Probe in den Spannbacken</source>
        <extracomment>Accessible description of the machine drawing</extracomment>
        <translation>Machine frame, threaded spindles, moving crosshead and specimen in the grips</translation>
    </message>
    <message>
        <location filename="../tensile/tensile_machine_form.cpp" line="83"/>
        <source>ESC = Abbruch</source>
        <extracomment>Status bar: Escape closes the window</extracomment>
        <translation>ESC = Cancel</translation>
    </message>
    <message>
        <location filename="../tensile/tensile_machine_form.cpp" line="97"/>
        <source>Querhaupt fährt hoch und führt die Probe in die obere Einspannung</source>
        <translation>The crosshead rises and brings the specimen into the upper grip</translation>
    </message>
    <message>
        <location filename="../tensile/tensile_machine_form.cpp" line="98"/>
        <source>Probe eingespannt: das Querhaupt fährt abwärts und zieht die Probe in die Länge</source>
        <translation>Specimen gripped: the crosshead moves down and stretches the specimen</translation>
    </message>
    <message>
        <location filename="../tensile/tensile_machine_form.cpp" line="100"/>
        <source>Probe gerissen</source>
        <extracomment>Announced to screen readers when the specimen has broken</extracomment>
        <translation>Specimen broken</translation>
    </message>
</context>
<context>
    <name>fatigue::BendingMachineScene</name>
    <message>
        <location filename="../fatigue/bending_machine_scene.cpp" line="154"/>
        <source>Wechselbiegemaschine
(schematisch)</source>
        <extracomment>Title of the machine picture in two lines (break at 
), about 20 characters each</extracomment>
        <translation>Alternating bending
machine (schematic)</translation>
    </message>
    <message>
        <location filename="../fatigue/bending_machine_scene.cpp" line="159"/>
        <source>Meßuhren</source>
        <extracomment>Part of the alternating bending machine: the dial gauges, about 10 characters</extracomment>
        <translation>Dial gauges</translation>
    </message>
    <message>
        <location filename="../fatigue/bending_machine_scene.cpp" line="161"/>
        <source>Meßschwinge</source>
        <extracomment>Part of the machine: the measuring rocker, about 12 characters</extracomment>
        <translation>Measuring rocker</translation>
    </message>
    <message>
        <location filename="../fatigue/bending_machine_scene.cpp" line="163"/>
        <source>Probe</source>
        <extracomment>The specimen, about 8 characters</extracomment>
        <translation>Specimen</translation>
    </message>
    <message>
        <location filename="../fatigue/bending_machine_scene.cpp" line="165"/>
        <source>Antriebsschwinge</source>
        <extracomment>Part of the machine: the driving rocker, about 16 characters</extracomment>
        <translation>Driving rocker</translation>
    </message>
    <message>
        <location filename="../fatigue/bending_machine_scene.cpp" line="167"/>
        <source>Meßfeder</source>
        <extracomment>Part of the machine: the measuring spring, about 10 characters</extracomment>
        <translation>Measuring spring</translation>
    </message>
    <message>
        <location filename="../fatigue/bending_machine_scene.cpp" line="169"/>
        <source>Pleuel</source>
        <extracomment>Part of the machine: the connecting rod, at the right edge, about 7 characters</extracomment>
        <translation>Con rod</translation>
    </message>
    <message>
        <location filename="../fatigue/bending_machine_scene.cpp" line="171"/>
        <source>Doppelexenter</source>
        <extracomment>Part of the machine: the double eccentric, about 14 characters</extracomment>
        <translation>Double eccentric</translation>
    </message>
    <message>
        <location filename="../fatigue/bending_machine_scene.cpp" line="192"/>
        <location filename="../fatigue/bending_machine_scene.cpp" line="198"/>
        <source>Biegemoment</source>
        <extracomment>Red label of the bending moment diagram, about 14 characters
----------
Numerator of the stress amplitude: the bending moment, above a bar 190 pixels wide</extracomment>
        <translation>Bending moment</translation>
    </message>
    <message>
        <location filename="../fatigue/bending_machine_scene.cpp" line="194"/>
        <source>Gegenmoment</source>
        <extracomment>Red label: the counter moment, about 14 characters</extracomment>
        <translation>Counter moment</translation>
    </message>
    <message>
        <location filename="../fatigue/bending_machine_scene.cpp" line="196"/>
        <source>Amplitudenspannung =</source>
        <extracomment>Formula: stress amplitude equals the fraction right of it (from x 510)</extracomment>
        <translation>Stress amplitude =</translation>
    </message>
    <message>
        <location filename="../fatigue/bending_machine_scene.cpp" line="200"/>
        <source>Widerstandsmoment</source>
        <extracomment>Denominator of the stress amplitude: the section modulus, below a bar 190 pixels wide</extracomment>
        <translation>Section modulus</translation>
    </message>
    <message>
        <location filename="../fatigue/bending_machine_scene.cpp" line="203"/>
        <source>Widerstandsmoment = </source>
        <extracomment>Formula: section modulus equals the fraction right of it (from x 496)</extracomment>
        <translation>Section modulus = </translation>
    </message>
    <message>
        <location filename="../fatigue/bending_machine_scene.cpp" line="205"/>
        <source>Probenbreite*Probendicke</source>
        <extracomment>Numerator of the section modulus, followed by a raised 2: width * thickness of the specimen</extracomment>
        <translation>Specimen width*thickness</translation>
    </message>
    <message>
        <location filename="../fatigue/bending_machine_scene.cpp" line="210"/>
        <source>Biegemoment = konst. * Amplitude</source>
        <extracomment>Formula: bending moment = constant * amplitude, room for about 36 characters</extracomment>
        <translation>Bending moment = const. * amplitude</translation>
    </message>
</context>
<context>
    <name>fatigue::LoadRangeScene</name>
    <message>
        <location filename="../fatigue/load_range_form.cpp" line="38"/>
        <location filename="../fatigue/load_range_scene.cpp" line="91"/>
        <source>Spannungsamplitude</source>
        <extracomment>Header band: label of the stress amplitude field, x 140 to 350, about 18 characters</extracomment>
        <translation>Stress amplitude</translation>
    </message>
    <message>
        <location filename="../fatigue/load_range_form.cpp" line="39"/>
        <location filename="../fatigue/load_range_scene.cpp" line="93"/>
        <source>Mittelspannung</source>
        <extracomment>Header band: label of the mean stress field, x 390 to 550, about 14 characters</extracomment>
        <translation>Mean stress</translation>
    </message>
    <message>
        <location filename="../fatigue/load_range_scene.cpp" line="42"/>
        <source> Beanspruchung im Zugschwellbereich </source>
        <extracomment>Name of the load range drawn on a coloured ground below the diagram, about 36 characters: loading in the pulsating tension range</extracomment>
        <translation> Loading in the pulsating tension range </translation>
    </message>
    <message>
        <location filename="../fatigue/load_range_scene.cpp" line="44"/>
        <source> Beanspruchung im Druckschwellbereich </source>
        <extracomment>Loading in the pulsating compression range, about 36 characters</extracomment>
        <translation> Loading in the pulsating compression range </translation>
    </message>
    <message>
        <location filename="../fatigue/load_range_scene.cpp" line="46"/>
        <source> Beanspruchung im Wechselbereich </source>
        <extracomment>Loading in the alternating range (mean stress not zero), about 36 characters</extracomment>
        <translation> Loading in the alternating range </translation>
    </message>
    <message>
        <location filename="../fatigue/load_range_scene.cpp" line="48"/>
        <source> Reine Wechselbeanspruchung </source>
        <extracomment>Fully reversed loading (mean stress zero), about 36 characters</extracomment>
        <translation> Fully reversed loading </translation>
    </message>
    <message>
        <location filename="../fatigue/load_range_scene.cpp" line="73"/>
        <source> + Spannung in N/qmm</source>
        <extracomment>Title of the positive stress axis, above the diagram, about 24 characters</extracomment>
        <translation> + Stress in N/mm²</translation>
    </message>
    <message>
        <location filename="../fatigue/load_range_scene.cpp" line="75"/>
        <source> - Spannung in N/qmm </source>
        <extracomment>Title of the negative stress axis, below the diagram, about 24 characters</extracomment>
        <translation> - Stress in N/mm² </translation>
    </message>
    <message>
        <location filename="../fatigue/load_range_scene.cpp" line="78"/>
        <source>Zeit</source>
        <extracomment>Title of the time axis at the diagram&apos;s right edge, about 4 characters</extracomment>
        <translation>Time</translation>
    </message>
    <message>
        <location filename="../fatigue/load_range_scene.cpp" line="89"/>
        <source>Eingabe:</source>
        <extracomment>Header band: &quot;input&quot;, before the edit fields, about 9 characters (x 20 to 140)</extracomment>
        <translation>Input:</translation>
    </message>
</context>
<context>
    <name>fatigue::WoehlerGrid</name>
    <message>
        <location filename="../fatigue/woehler_grid.cpp" line="25"/>
        <source> Bruchzyklenzahl N </source>
        <extracomment>Title of the cycles axis below the Wöhler diagram: number of cycles to failure N, about 24 characters; keep the N at its end, some diagrams lower an index B right after it</extracomment>
        <translation> Number of cycles to failure N </translation>
    </message>
    <message>
        <location filename="../fatigue/woehler_grid.cpp" line="40"/>
        <source> + Spannungsamplitude in N/qmm</source>
        <extracomment>Title of the stress axis above the Wöhler diagram, about 30 characters</extracomment>
        <translation> + Stress amplitude in N/mm²</translation>
    </message>
</context>
<context>
    <name>fatigue::WoehlerInfluenceCurves</name>
    <message>
        <location filename="../fatigue/woehler_influence_curves.cpp" line="49"/>
        <location filename="../fatigue/woehler_influence_curves.cpp" line="83"/>
        <source>Wöhlerkurve:</source>
        <extracomment>Purple heading of the curve, followed by the materials from x 400</extracomment>
        <translation>S-N curve:</translation>
    </message>
    <message>
        <location filename="../fatigue/woehler_influence_curves.cpp" line="51"/>
        <source>Kubisch-raumzentrierter Stahl</source>
        <extracomment>Material of the curve: body-centred cubic steel, about 30 characters</extracomment>
        <translation>Body-centred cubic steel</translation>
    </message>
    <message>
        <location filename="../fatigue/woehler_influence_curves.cpp" line="54"/>
        <source>Heterogene Nichteisenmetalllegierugen</source>
        <extracomment>Second material of the curve: heterogeneous non-ferrous alloys, about 36 characters</extracomment>
        <translation>Heterogeneous non-ferrous alloys</translation>
    </message>
    <message>
        <location filename="../fatigue/woehler_influence_curves.cpp" line="59"/>
        <source>Kurzzeitfestigkeits-
bereich</source>
        <extracomment>Low-cycle fatigue range at the left edge, in two lines (break at 
) of about 20 characters</extracomment>
        <translation>Low-cycle
fatigue range</translation>
    </message>
    <message>
        <location filename="../fatigue/woehler_influence_curves.cpp" line="64"/>
        <location filename="../fatigue/woehler_influence_curves.cpp" line="99"/>
        <location filename="../fatigue/woehler_influence_curves.cpp" line="121"/>
        <source>Zeitfestigkeitsbereich</source>
        <extracomment>Finite-life (fatigue strength) range, between two lines 300 pixels apart, about 22 characters</extracomment>
        <translation>Finite-life range</translation>
    </message>
    <message>
        <location filename="../fatigue/woehler_influence_curves.cpp" line="69"/>
        <location filename="../fatigue/woehler_influence_curves.cpp" line="100"/>
        <location filename="../fatigue/woehler_influence_curves.cpp" line="125"/>
        <source>Wechselfestigkeitsbereich</source>
        <extracomment>Range of the fatigue limit under alternating load, about 25 characters</extracomment>
        <translation>Fatigue limit range</translation>
    </message>
    <message>
        <location filename="../fatigue/woehler_influence_curves.cpp" line="71"/>
        <location filename="../fatigue/woehler_influence_curves.cpp" line="101"/>
        <location filename="../fatigue/woehler_influence_curves.cpp" line="126"/>
        <source>(Dauerfestigkeitsbereich)</source>
        <extracomment>Below the previous: the endurance limit range, in brackets, about 25 characters</extracomment>
        <translation>(endurance limit range)</translation>
    </message>
    <message>
        <location filename="../fatigue/woehler_influence_curves.cpp" line="85"/>
        <source>Austenitischer Stahl</source>
        <extracomment>Material of the curve, about 30 characters</extracomment>
        <translation>Austenitic steel</translation>
    </message>
    <message>
        <location filename="../fatigue/woehler_influence_curves.cpp" line="87"/>
        <source>Aluminiumlegierugen</source>
        <extracomment>Second material of the curve: aluminium alloys, about 30 characters</extracomment>
        <translation>Aluminium alloys</translation>
    </message>
    <message>
        <location filename="../fatigue/woehler_influence_curves.cpp" line="92"/>
        <location filename="../fatigue/woehler_influence_curves.cpp" line="117"/>
        <source>Kurzzeit-
festigkeitsbereich</source>
        <extracomment>Low-cycle fatigue range at the left edge, in two lines (break at 
) of about 18 characters</extracomment>
        <translation>Low-cycle
fatigue range</translation>
    </message>
    <message>
        <location filename="../fatigue/woehler_influence_curves.cpp" line="113"/>
        <source>Ausgangszustand</source>
        <extracomment>Label of the curve of the initial state (no corrosion), about 16 characters</extracomment>
        <translation>Initial state</translation>
    </message>
    <message>
        <location filename="../fatigue/woehler_influence_curves.cpp" line="139"/>
        <source>Korrosion (Schwingungsrisskorrosion)</source>
        <extracomment>Heading of the curve under corrosion (corrosion fatigue), about 36 characters</extracomment>
        <translation>Corrosion (corrosion fatigue)</translation>
    </message>
    <message>
        <location filename="../fatigue/woehler_influence_curves.cpp" line="147"/>
        <source>Korrosionszeitfestigkeit</source>
        <extracomment>Label below the corrosion curve: finite-life strength under corrosion, about 25 characters</extracomment>
        <translation>Corrosion fatigue strength</translation>
    </message>
    <message>
        <location filename="../fatigue/woehler_influence_curves.cpp" line="161"/>
        <source>Eigenspannungsfrei</source>
        <extracomment>Label of the curve without residual stresses, about 22 characters</extracomment>
        <translation>Free of residual stress</translation>
    </message>
    <message>
        <location filename="../fatigue/woehler_influence_curves.cpp" line="177"/>
        <source>Zugeigenspannungen</source>
        <extracomment>Label of the curve with residual tensile stresses, about 22 characters</extracomment>
        <translation>Residual tensile stress</translation>
    </message>
    <message>
        <location filename="../fatigue/woehler_influence_curves.cpp" line="190"/>
        <source>Druckeigenspannungen</source>
        <extracomment>Label of the curve with residual compressive stresses, about 22 characters</extracomment>
        <translation>Residual compressive stress</translation>
    </message>
</context>
<context>
    <name>fatigue::WoehlerInfluenceForm</name>
    <message>
        <location filename="../fatigue/woehler_influence_form.cpp" line="42"/>
        <source>&amp;Ende</source>
        <extracomment>Menu item that closes the window; access key after &amp;</extracomment>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <location filename="../fatigue/woehler_influence_form.cpp" line="53"/>
        <source>&amp;Neu Zeichnen</source>
        <extracomment>Menu item that clears the diagram; access key after &amp;</extracomment>
        <translation>&amp;Redraw</translation>
    </message>
    <message>
        <location filename="../fatigue/woehler_influence_form.cpp" line="56"/>
        <source>Wöhlerdiagramm</source>
        <translation>S-N diagram</translation>
    </message>
    <message>
        <location filename="../fatigue/woehler_influence_form.cpp" line="57"/>
        <source>Spannungsamplitude über der Bruchzyklenzahl, logarithmisch</source>
        <translation>Stress amplitude over the number of cycles to failure, logarithmic</translation>
    </message>
    <message>
        <location filename="../fatigue/woehler_influence_form.cpp" line="60"/>
        <source>ESC = Abbruch</source>
        <extracomment>Status bar: Escape closes the window</extracomment>
        <translation>ESC = Cancel</translation>
    </message>
    <message>
        <location filename="../fatigue/woehler_influence_form.cpp" line="68"/>
        <source>Wöhlerkurve wird gezeichnet</source>
        <translation>Drawing the S-N curve</translation>
    </message>
</context>
<context>
    <name>fatigue::WoehlerRecordingScene</name>
    <message>
        <location filename="../fatigue/woehler_recording_scene.cpp" line="70"/>
        <source> Aufnahme einer Wöhlerlinie: Weichgeglühte und kugelgestrahlte Aluminiumprobe</source>
        <extracomment>Title band of the recording window, about 80 characters</extracomment>
        <translation> Recording an S-N curve: soft-annealed and shot-peened aluminium specimens</translation>
    </message>
    <message>
        <location filename="../fatigue/woehler_recording_scene.cpp" line="80"/>
        <source> + Spannungsamplitude in N/qmm</source>
        <extracomment>Title of the positive stress axis above the oscillation diagram, about 30 characters</extracomment>
        <translation> + Stress amplitude in N/mm²</translation>
    </message>
    <message>
        <location filename="../fatigue/woehler_recording_scene.cpp" line="82"/>
        <source> - Spannungsamplitude in N/qmm </source>
        <extracomment>Title of the negative stress axis below the oscillation diagram, about 30 characters</extracomment>
        <translation> - Stress amplitude in N/mm² </translation>
    </message>
    <message>
        <location filename="../fatigue/woehler_recording_scene.cpp" line="88"/>
        <source>Zeit</source>
        <extracomment>Title of the time axis at the right end of the oscillation diagram, about 4 characters</extracomment>
        <translation>Time</translation>
    </message>
    <message>
        <location filename="../fatigue/woehler_recording_scene.cpp" line="150"/>
        <source> P = %1% </source>
        <extracomment>Small label on a line of equal fracture probability; %1 is the probability in per cent</extracomment>
        <translation> P = %1% </translation>
    </message>
    <message>
        <location filename="../fatigue/woehler_recording_scene.cpp" line="154"/>
        <source> AlMg4,5Mn weichgeglüht </source>
        <extracomment>Label of the soft-annealed lines, white on their colour, about 24 characters</extracomment>
        <translation> AlMg4.5Mn soft-annealed </translation>
    </message>
    <message>
        <location filename="../fatigue/woehler_recording_scene.cpp" line="157"/>
        <source> AlMg4,5Mn kugelgestrahlt </source>
        <extracomment>Label of the shot-peened lines, white on their colour, about 24 characters</extracomment>
        <translation> AlMg4.5Mn shot-peened </translation>
    </message>
</context>
<context>
    <name>impact::EnergyTemperatureDiagram</name>
    <message>
        <location filename="../impact/energy_temperature_diagram.cpp" line="121"/>
        <source>Kerbschlagarbeit Av in Abhängigkeit von der Prüftemperatur T (schematisch)</source>
        <extracomment>Diagram title, first line: room for about 75 characters</extracomment>
        <translation>Impact energy Av against the test temperature T (schematic)</translation>
    </message>
    <message>
        <location filename="../impact/energy_temperature_diagram.cpp" line="123"/>
        <source>Vergleich Kubisch-raumzentrierter Werkstoff / kubisch-flächenzentrierter Werkstoff</source>
        <extracomment>Diagram title, second line: room for about 80 characters</extracomment>
        <translation>Comparison of a body-centred cubic and a face-centred cubic material</translation>
    </message>
    <message>
        <location filename="../impact/energy_temperature_diagram.cpp" line="125"/>
        <source>Kerbschlagarbeit (Av)/J</source>
        <extracomment>Title of the energy axis, above the plot area</extracomment>
        <translation>Impact energy (Av)/J</translation>
    </message>
    <message>
        <location filename="../impact/energy_temperature_diagram.cpp" line="127"/>
        <source>Temperatur/°C</source>
        <extracomment>Title of the temperature axis, below the plot area</extracomment>
        <translation>Temperature/°C</translation>
    </message>
    <message>
        <location filename="../impact/energy_temperature_diagram.cpp" line="139"/>
        <source> Hochlage </source>
        <extracomment>Label of the upper shelf, on light blue, about 10 characters</extracomment>
        <translation> Upper shelf</translation>
    </message>
    <message>
        <location filename="../impact/energy_temperature_diagram.cpp" line="141"/>
        <source> Übergang (starke Streuung) </source>
        <extracomment>Label of the transition region, on light blue, about 28 characters</extracomment>
        <translation> Transition (wide scatter) </translation>
    </message>
    <message>
        <location filename="../impact/energy_temperature_diagram.cpp" line="143"/>
        <source>Tieflage</source>
        <extracomment>Label of the lower shelf, on light blue, about 10 characters</extracomment>
        <translation>Lower shelf</translation>
    </message>
    <message>
        <location filename="../impact/energy_temperature_diagram.cpp" line="147"/>
        <source> Mischbruch </source>
        <extracomment>Fracture surface in the transition region, white on green; a click shows its photograph</extracomment>
        <translation> Mixed fracture </translation>
    </message>
    <message>
        <location filename="../impact/energy_temperature_diagram.cpp" line="149"/>
        <source> zäh </source>
        <extracomment>Fracture surface on the upper shelf, white on green, about 6 characters</extracomment>
        <translation> ductile </translation>
    </message>
    <message>
        <location filename="../impact/energy_temperature_diagram.cpp" line="151"/>
        <source> spröde </source>
        <extracomment>Fracture surface on the lower shelf, white on green, about 8 characters</extracomment>
        <translation> brittle </translation>
    </message>
    <message>
        <location filename="../impact/energy_temperature_diagram.cpp" line="154"/>
        <source> unlegierter/^
 niedriglegierter Stahl 
 kubisch-raumzentriert </source>
        <extracomment>Label of the body-centred cubic steel&apos;s curve in three lines (breaks at 
), about 24 characters each</extracomment>
        <translation> unalloyed or
 low-alloy steel 
 body-centred cubic </translation>
    </message>
    <message>
        <location filename="../impact/energy_temperature_diagram.cpp" line="167"/>
        <source> austenitischer Stahl 
 kubisch-flächenzentriert </source>
        <extracomment>Label of the face-centred cubic steel&apos;s curve in two lines (break at 
), about 26 characters each</extracomment>
        <translation> austenitic steel 
 face-centred cubic </translation>
    </message>
</context>
<context>
    <name>impact::PendulumScene</name>
    <message>
        <location filename="../impact/pendulum_scene.cpp" line="116"/>
        <source>Pendelschlagwerk (schematisch)</source>
        <extracomment>Title drawn at the top of the pendulum picture, room for about 30 characters</extracomment>
        <translation>Pendulum impact tester (schematic)</translation>
    </message>
    <message>
        <location filename="../impact/pendulum_scene.cpp" line="120"/>
        <source>  ISO-V- 
  Probe </source>
        <extracomment>Small label of the Charpy V-notch specimen in two lines (break at 
) 10 pixels apart, about 9 characters each</extracomment>
        <translation>  V-notch 
  specimen </translation>
    </message>
    <message>
        <location filename="../impact/pendulum_scene.cpp" line="124"/>
        <location filename="../impact/pendulum_scene.cpp" line="164"/>
        <source>Widerlager</source>
        <extracomment>Small label: the anvil (supports) the specimen rests on, about 10 characters</extracomment>
        <translation>Anvil</translation>
    </message>
    <message>
        <location filename="../impact/pendulum_scene.cpp" line="126"/>
        <source>Ableseskala</source>
        <extracomment>Small label: the dial on which the absorbed energy is read, about 11 characters</extracomment>
        <translation>Dial</translation>
    </message>
    <message>
        <location filename="../impact/pendulum_scene.cpp" line="140"/>
        <source>Kerbschlagarbeit:</source>
        <extracomment>Formula panel, first line: the absorbed impact energy, room for about 20 characters</extracomment>
        <translation>Impact energy:</translation>
    </message>
    <message>
        <location filename="../impact/pendulum_scene.cpp" line="143"/>
        <source>  Kerbschlagzähigkeit =</source>
        <extracomment>Formula panel: impact strength equals the fraction right of it; ends before x 150</extracomment>
        <translation>  Impact strength =</translation>
    </message>
    <message>
        <location filename="../impact/pendulum_scene.cpp" line="146"/>
        <source>  Kerbschlagarbeit (Av)</source>
        <extracomment>Numerator of the impact strength, above a bar 140 pixels wide</extracomment>
        <translation>  Impact energy (Av)</translation>
    </message>
    <message>
        <location filename="../impact/pendulum_scene.cpp" line="148"/>
        <source>  Restquerschnitt (Ao)</source>
        <extracomment>Denominator of the impact strength, below a bar 140 pixels wide: the cross-section left at the notch</extracomment>
        <translation>  Cross-section (Ao)</translation>
    </message>
    <message>
        <location filename="../impact/pendulum_scene.cpp" line="162"/>
        <source>Hammerfinne</source>
        <extracomment>Label of the hammer&apos;s striking edge above the notched specimen, about 12 characters</extracomment>
        <translation>Striking edge</translation>
    </message>
    <message>
        <location filename="../impact/pendulum_scene.cpp" line="168"/>
        <source>Kraft F</source>
        <extracomment>White on a red arrow: the force F, about 8 characters</extracomment>
        <translation>Force F</translation>
    </message>
    <message>
        <location filename="../impact/pendulum_scene.cpp" line="202"/>
        <source>Kerbschlagarbeit-Temperatur-Kurve</source>
        <extracomment>Link below the explanation that opens the curve: 230 pixels, room for about 30 characters</extracomment>
        <translation>impact energy-temperature curve</translation>
    </message>
</context>
<context>
    <name>tensile::StandardSpecimenScene</name>
    <message>
        <location filename="../tensile/standard_specimen_scene.cpp" line="77"/>
        <source>Zugstab</source>
        <extracomment>Drawn above the specimen: the tensile test piece, room for about 12 characters</extracomment>
        <translation>Bar</translation>
    </message>
</context>
<context>
    <name>tensile::StressStrainCurves</name>
    <message>
        <location filename="../tensile/stress_strain_curves.cpp" line="55"/>
        <location filename="../tensile/stress_strain_curves.cpp" line="73"/>
        <location filename="../tensile/stress_strain_curves.cpp" line="111"/>
        <source>  Bruch  </source>
        <extracomment>Label at the end of a curve where the specimen breaks, white on the curve&apos;s colour</extracomment>
        <translation>  Fracture  </translation>
    </message>
    <message>
        <location filename="../tensile/stress_strain_curves.cpp" line="57"/>
        <location filename="../tensile/stress_strain_curves.cpp" line="74"/>
        <location filename="../tensile/stress_strain_curves.cpp" line="94"/>
        <source>Hookesche Gerade</source>
        <extracomment>Label of the straight elastic part of the curves (Hooke&apos;s line), room for about 18 characters</extracomment>
        <translation>Hooke&apos;s line</translation>
    </message>
    <message>
        <location filename="../tensile/stress_strain_curves.cpp" line="58"/>
        <source> unlegierter Stahl </source>
        <translation> unalloyed steel </translation>
    </message>
    <message>
        <location filename="../tensile/stress_strain_curves.cpp" line="76"/>
        <source> 0.2 % Dehnung </source>
        <extracomment>Label on the strain axis at the 0.2 % offset line, room for about 14 characters</extracomment>
        <translation> 0.2 % strain </translation>
    </message>
    <message>
        <location filename="../tensile/stress_strain_curves.cpp" line="78"/>
        <source> hochlegierter  
 austenitischer Stahl  </source>
        <extracomment>Label beside the blue curve in two lines (break at 
), about 22 characters each</extracomment>
        <translation> high-alloy  
 austenitic steel  </translation>
    </message>
    <message>
        <location filename="../tensile/stress_strain_curves.cpp" line="106"/>
        <source>obere Streckgrenze ReH</source>
        <translation>upper yield strength ReH</translation>
    </message>
    <message>
        <location filename="../tensile/stress_strain_curves.cpp" line="107"/>
        <source>untere Streckgrenze ReL</source>
        <translation>lower yield strength ReL</translation>
    </message>
    <message>
        <location filename="../tensile/stress_strain_curves.cpp" line="110"/>
        <source> Zugfestigkeit Rm</source>
        <translation> Tensile strength Rm</translation>
    </message>
    <message>
        <location filename="../tensile/stress_strain_curves.cpp" line="114"/>
        <source> Spannungs-Dehnungskurve 
 mit ausgeprägter Streckgrenze 
 z.B. un- oder niedriglegierter Stahl </source>
        <extracomment>Caption of the curve in three lines (break at 
), about 36 characters each</extracomment>
        <translation> Stress-strain curve 
 with a pronounced yield point 
 e.g. unalloyed or low-alloy steel </translation>
    </message>
</context>
<context>
    <name>tensile::StressStrainDiagram</name>
    <message>
        <location filename="../tensile/stress_strain_diagram.cpp" line="78"/>
        <source>Spannung in N/qmm</source>
        <extracomment>Axis title above the stress axis, room for about 20 characters</extracomment>
        <translation>Stress in N/mm²</translation>
    </message>
    <message>
        <location filename="../tensile/stress_strain_diagram.cpp" line="83"/>
        <source>Dehnung in % </source>
        <extracomment>Axis title below the strain axis, room for about 20 characters</extracomment>
        <translation>Strain in % </translation>
    </message>
</context>
<context>
    <name>tensile::StressStrainTerms</name>
    <message>
        <location filename="../tensile/stress_strain_terms.cpp" line="53"/>
        <source>Die Bruchdehnung ist die bleibende Längenänderung dL, bezogen auf die
Ausgangsmesslänge L[0] in %. </source>
        <extracomment>Explanation of the elongation after fracture: lines of about 70 characters, broken with 
</extracomment>
        <translation>The elongation after fracture is the permanent change in length dL
relative to the original gauge length L[0], in %.</translation>
    </message>
    <message>
        <location filename="../tensile/stress_strain_terms.cpp" line="58"/>
        <source>Länge (Bruch) - Ausgangslänge</source>
        <extracomment>Numerator of the formula for the elongation after fracture, above a bar 260 pixels wide</extracomment>
        <translation>Final length - original length</translation>
    </message>
    <message>
        <location filename="../tensile/stress_strain_terms.cpp" line="61"/>
        <source>    Ausgangslänge</source>
        <extracomment>Denominator below the bar, leading blanks to centre it under the numerator</extracomment>
        <translation>       Original length</translation>
    </message>
    <message>
        <location filename="../tensile/stress_strain_terms.cpp" line="66"/>
        <source>Die Brucheinschnürung ist die bleibende Querschnittsänderung dS
nach dem Bruch, bezogen auf den Ausgangsquerschnitt S[0] in %. </source>
        <extracomment>Explanation of the reduction of area: lines of about 70 characters, broken with 
</extracomment>
        <translation>The reduction of area is the permanent change of cross-section dS
after fracture relative to the original cross-section S[0], in %.</translation>
    </message>
    <message>
        <location filename="../tensile/stress_strain_terms.cpp" line="71"/>
        <source>Querschnitt (Bruch) - Ausgangsquerschnitt</source>
        <extracomment>Numerator of the formula for the reduction of area, above a bar 310 pixels wide</extracomment>
        <translation>Cross-section (fracture) - original</translation>
    </message>
    <message>
        <location filename="../tensile/stress_strain_terms.cpp" line="74"/>
        <source>    Ausgangsquerschnitt</source>
        <extracomment>Denominator below the bar, leading blanks to centre it under the numerator</extracomment>
        <translation>      Original cross-section</translation>
    </message>
    <message>
        <location filename="../tensile/stress_strain_terms.cpp" line="79"/>
        <source>Die 0.2%-Dehngrenze R[p0.2] ist laut Definition die Spannung bei der eine
bleibende Dehnung bzw. nicht proportionale Dehnung von 0.2 Prozent
erfolgt. Diese Dehngrenze wird beim stetigem Übergang vom elastischen
in den plastischen Bereich bestimmt und entspricht in etwa der
oberen Streckgrenze R[eH]. </source>
        <extracomment>Explanation of the 0.2 % proof strength: lines of about 70 characters, broken with 
</extracomment>
        <translation>The 0.2 % proof strength R[p0.2] is defined as the stress at which a
permanent or non-proportional extension of 0.2 per cent occurs.
It is determined where the elastic range passes steadily into the
plastic range and corresponds roughly to the upper yield
strength R[eH].</translation>
    </message>
    <message>
        <location filename="../tensile/stress_strain_terms.cpp" line="88"/>
        <location filename="../tensile/stress_strain_terms.cpp" line="139"/>
        <location filename="../tensile/stress_strain_terms.cpp" line="147"/>
        <source>Einheit</source>
        <extracomment>Beside the unit N/qmm of a formula, room for about 8 characters</extracomment>
        <translation>Unit</translation>
    </message>
    <message>
        <location filename="../tensile/stress_strain_terms.cpp" line="91"/>
        <source>Die Elastizitätsgrenze ist laut Definition die Spannung, die 
ein Werkstoff ohne bleibende Formänderung erträgt,
d.h. der Werkstoff nimmt nach Wegnahme der Zugbeanspruchung seine
Ausgangsmesslänge wieder ein.</source>
        <extracomment>Explanation of the elastic limit: lines of about 70 characters, broken with 
</extracomment>
        <translation>The elastic limit is defined as the stress that a material bears
without permanent deformation, i.e. when the tensile load is
removed the material returns to its original gauge length.</translation>
    </message>
    <message>
        <location filename="../tensile/stress_strain_terms.cpp" line="99"/>
        <source>In diesem geradlinigen Bereich sind Spannung und Dehnung proportional.
Maschinenteile werden in diesem elastischen Bereich, indem keine  
bleibende Verformung stattfindet eingesetzt. Bis zum Ende der Geraden 
gilt das Hookesche Gesetz.     Elastizitätsmodul für Stahl = 210000 N/qmm</source>
        <extracomment>Explanation of Hooke&apos;s line: lines of about 70 characters, broken with 
</extracomment>
        <translation>In this straight range stress and strain are proportional. Machine
parts are used in this elastic range, where no permanent deformation
occurs. Hooke&apos;s law holds up to the end of the straight line.
Modulus of elasticity of steel = 210000 N/mm²</translation>
    </message>
    <message>
        <location filename="../tensile/stress_strain_terms.cpp" line="106"/>
        <source>Spannung = Dehnung * Elastizitätsmodul</source>
        <extracomment>Hooke&apos;s law in words, below the formula, room for about 45 characters</extracomment>
        <translation>Stress = strain * modulus of elasticity</translation>
    </message>
    <message>
        <location filename="../tensile/stress_strain_terms.cpp" line="111"/>
        <source>Messlänge und Durchmesser einer Zugprobe müssen, um vergleíchbare 
Werte für die Bruchdehnung zu erhalten, in einem festen Verhältnis 
zueinander stehen.      </source>
        <extracomment>Explanation of the proportional test pieces: lines of about 70 characters, broken with 
</extracomment>
        <translation>To give comparable values of the elongation after fracture, the
gauge length and the diameter of a tensile specimen must stand in
a fixed ratio.</translation>
    </message>
    <message>
        <location filename="../tensile/stress_strain_terms.cpp" line="117"/>
        <source>- Langer Proportionalstab:  L_{0}  = 10*d_{0} </source>
        <extracomment>Long proportional test piece: gauge length L0 = 10 * diameter d0; _{0} marks a subscript 0 after the letter before it</extracomment>
        <translation>- Long proportional test piece:   L_{0}  = 10*d_{0} </translation>
    </message>
    <message>
        <location filename="../tensile/stress_strain_terms.cpp" line="120"/>
        <source>- Kurzer Proportionalstab:   L_{0}   =   5*d_{0} </source>
        <extracomment>Short proportional test piece: gauge length L0 = 5 * diameter d0; _{0} marks a subscript 0 after the letter before it</extracomment>
        <translation>- Short proportional test piece:  L_{0}   =   5*d_{0} </translation>
    </message>
    <message>
        <location filename="../tensile/stress_strain_terms.cpp" line="123"/>
        <source>Die Streckgrenze R[e] ist diejenige Spannung, bei der Fließen einsetzt
ohne dass die Zugpannung weiter erhöht wird. Dabei kann es sogar beim
Fließbeginn zu einem Spannungsabfall kommen.
Dann ergibt sich laut Definition eine obere Streckgrenze R[eH] und eine
untere Streckgrenze R[eL].</source>
        <extracomment>Explanation of the yield strength: lines of about 70 characters, broken with 
</extracomment>
        <translation>The yield strength R[e] is the stress at which the material begins to
yield without any further increase of the tensile stress. The stress
may even drop when yielding begins.
The definition then gives an upper yield strength R[eH] and a
lower yield strength R[eL].</translation>
    </message>
    <message>
        <location filename="../tensile/stress_strain_terms.cpp" line="134"/>
        <source>Die Zugfestigkeit R[m] ist das Maximum der Spannungs-Dehnungs-Kurve,
die im Zugversuch ermittelt wird. Dieses Maximum ist der Quotient
aus der Höchstkraft F[m] und dem Ausgangsquerschnitt S[0]. </source>
        <extracomment>Explanation of the tensile strength: lines of about 70 characters, broken with 
</extracomment>
        <translation>The tensile strength R[m] is the maximum of the stress-strain curve
recorded in the tensile test. It is the quotient of the maximum
force F[m] and the original cross-section S[0].</translation>
    </message>
    <message>
        <location filename="../tensile/stress_strain_terms.cpp" line="142"/>
        <source>Die Zugspannung (Nennspannung) ist die auf den Ausgangsquerschnitt S[0]
einer Zugprobe bezogene Zugkraft F:</source>
        <extracomment>Explanation of the tensile stress: two lines of about 70 characters, broken with 
</extracomment>
        <translation>The tensile stress (nominal stress) is the tensile force F divided by
the original cross-section S[0] of a tensile specimen:</translation>
    </message>
    <message>
        <location filename="../tensile/stress_strain_terms.cpp" line="198"/>
        <source>Bruchdehnung</source>
        <extracomment>Names in the list of tensile test terms, 200 pixels wide: about 22 characters</extracomment>
        <translation>Elongation after fracture</translation>
    </message>
    <message>
        <location filename="../tensile/stress_strain_terms.cpp" line="199"/>
        <source>Brucheinschnürung</source>
        <translation>Reduction of area</translation>
    </message>
    <message>
        <location filename="../tensile/stress_strain_terms.cpp" line="200"/>
        <source>Dehngrenze-0.2%</source>
        <translation>0.2 % proof strength</translation>
    </message>
    <message>
        <location filename="../tensile/stress_strain_terms.cpp" line="201"/>
        <source>Elastizitätsgrenze</source>
        <translation>Elastic limit</translation>
    </message>
    <message>
        <location filename="../tensile/stress_strain_terms.cpp" line="202"/>
        <source>Hookesche Gerade</source>
        <translation>Hooke&apos;s line</translation>
    </message>
    <message>
        <location filename="../tensile/stress_strain_terms.cpp" line="203"/>
        <source>Proportionalstäbe</source>
        <translation>Proportional test pieces</translation>
    </message>
    <message>
        <location filename="../tensile/stress_strain_terms.cpp" line="204"/>
        <source>Streckgrenze</source>
        <translation>Yield strength</translation>
    </message>
    <message>
        <location filename="../tensile/stress_strain_terms.cpp" line="205"/>
        <source>Zugfestigkeit</source>
        <translation>Tensile strength</translation>
    </message>
    <message>
        <location filename="../tensile/stress_strain_terms.cpp" line="206"/>
        <source>Zugspannung</source>
        <translation>Tensile stress</translation>
    </message>
</context>
<context>
    <name>tensile::TensileMachineScene</name>
    <message>
        <location filename="../tensile/tensile_machine_scene.cpp" line="100"/>
        <source>oberes Querhaupt</source>
        <extracomment>Part name beside the schematic tensile machine, room for about 16 characters</extracomment>
        <translation>upper crosshead</translation>
    </message>
    <message>
        <location filename="../tensile/tensile_machine_scene.cpp" line="102"/>
        <source>bewegliches
Querhaupt</source>
        <extracomment>Part name in two lines (break at 
), about 11 characters each</extracomment>
        <translation>moving
crosshead</translation>
    </message>
    <message>
        <location filename="../tensile/tensile_machine_scene.cpp" line="104"/>
        <source>Gewinde-
stangen</source>
        <extracomment>Part name in two lines (break at 
), about 9 characters each</extracomment>
        <translation>threaded
spindles</translation>
    </message>
    <message>
        <location filename="../tensile/tensile_machine_scene.cpp" line="106"/>
        <source>Probe</source>
        <extracomment>Part name: the test piece, room for about 8 characters</extracomment>
        <translation>specimen</translation>
    </message>
    <message>
        <location filename="../tensile/tensile_machine_scene.cpp" line="108"/>
        <source>Spann
backen</source>
        <extracomment>Part name in two lines (break at 
, lines 15 pixels apart), about 6 characters each</extracomment>
        <translation>grips</translation>
    </message>
    <message>
        <location filename="../tensile/tensile_machine_scene.cpp" line="153"/>
        <source> Zugprüfmaschine (schematisch)</source>
        <extracomment>Title drawn at the top of the machine picture, room for about 30 characters</extracomment>
        <translation> Tensile testing machine (schematic)</translation>
    </message>
</context>
</TS>
