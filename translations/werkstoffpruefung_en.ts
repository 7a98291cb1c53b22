<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="de">
<context>
    <name>AccuracyStudy</name>
    <message>
        <source>Übergangskurve</source>
        <extracomment>Title of a group of rows in the table of the accuracy study: the results of the fitted transition curve</extracomment>
        <translation>Transition curve</translation>
    </message>
    <message>
        <source>Zeitfestigkeitsgerade</source>
        <extracomment>Title of a group of rows in the table of the accuracy study: the finite-life line of the S-N curve</extracomment>
        <translation>Finite-life line</translation>
    </message>
    <message>
        <source>Treppenstufenfolge</source>
        <extracomment>Title of a group of rows in the table of the accuracy study: the staircase method</extracomment>
        <translation>Staircase</translation>
    </message>
</context>
<context>
    <name>ColumnTable</name>
    <message>
        <source>Zeile %1</source>
        <extracomment>Where a faulty row stands, before the message about it; %1 is the line number in the file</extracomment>
        <translation>line %1</translation>
    </message>
    <message>
        <source>Zeile %1 der Tabelle</source>
        <extracomment>Where a faulty row stands when its line in the file is unknown; %1 counts the table rows from 1</extracomment>
        <translation>row %1 of the table</translation>
    </message>
    <message>
        <source>Die Spalten der Tabelle sind verschieden lang.</source>
        <translation>The columns of the table differ in length.</translation>
    </message>
    <message>
        <source>Die Tabelle hat keine Spalte %1.</source>
        <translation>The table has no column %1.</translation>
    </message>
    <message>
        <source>Die Tabelle enthält keine Probe.</source>
        <translation>The table contains no specimen.</translation>
    </message>
</context>
<context>
    <name>EvaluateCommand</name>
    <message>
        <source>Aufruf: werkstoffpruefung --evaluate fatigue DATEI … [Optionen]
DATEI: eine Tabelle (CSV oder Text, Trennzeichen und Dezimalzeichen werden erkannt) mit
Spannungsamplitude in MPa und Schwingspielzahl, wahlweise den Kennzeichen Durchläufer
und Treppenstufenfolge (1 = ja, 0 oder leer = nein), erkannt an den Spaltenköpfen;
oder eine gespeicherte Versuchsreihe (.wpserie).
Optionen (für alle Dateien gleich; bei einer Versuchsreihe gelten sie statt ihrer Angaben):
  --step D              Stufenweite d der Treppenstufenfolge in MPa
  --run-out N           Grenzschwingspielzahl; ohne Spalte der Durchläufer gilt jede
                        Probe, die sie erreicht hat, als Durchläufer
  --mean-stress S       Mittelspannung der Reihe in MPa
  --stress-ratio R      Spannungsverhältnis der Reihe
  --reasons             Gründe nicht bestimmter Werte ausgeben
Ausgabe: eine Kopfzeile und eine Zeile je Datei, durch Tabulatoren getrennt,
mit Dezimalpunkt; nicht bestimmte Werte als -.</source>
        <translation>Usage: werkstoffpruefung --evaluate fatigue FILE … [options]
FILE: a table (CSV or text; separator and decimal mark are recognised) with
stress amplitude in MPa and number of cycles, optionally the flags run-out
and staircase (1 = yes, 0 or empty = no), recognised by the column heads;
or a saved test series (.wpserie).
Options (the same for all files; for a test series they replace its own settings):
  --step D              step size d of the staircase in MPa
  --run-out N           run-out limit in cycles; without a run-out column every
                        specimen that reached it counts as a run-out
  --mean-stress S       mean stress of the series in MPa
  --stress-ratio R      stress ratio of the series
  --reasons             print why values are not determined
Output: a header line and one line per file, separated by tabs,
with decimal points; values not determined as -.</translation>
    </message>
    <message>
        <source>Aufruf: werkstoffpruefung --evaluate impact DATEI … [Optionen]
DATEI: eine Tabelle (CSV oder Text, Trennzeichen und Dezimalzeichen werden erkannt) mit
Prüftemperatur in °C und verbrauchter Schlagenergie in J, wahlweise Scherbruchanteil in %
und lateraler Breitung in mm, erkannt an den Spaltenköpfen; oder eine gespeicherte
Versuchsreihe (.wpserie).
Optionen (für alle Dateien gleich; bei einer Versuchsreihe gelten sie statt ihrer Angaben):
  --notch V|U           Kerbform der Proben (V)
  --striker 2|8         Radius der Hammerfinne in mm (2)
  --lower-shelf J       Tieflage festlegen statt anpassen (typisch 2 bis 3 J)
  --upper-shelf J       Hochlage festlegen statt anpassen
  --reasons             Gründe nicht bestimmter Werte ausgeben
Ausgabe: eine Kopfzeile und eine Zeile je Datei, durch Tabulatoren getrennt,
mit Dezimalpunkt; nicht bestimmte Werte als -.</source>
        <translation>Usage: werkstoffpruefung --evaluate impact FILE … [options]
FILE: a table (CSV or text; separator and decimal mark are recognised) with
test temperature in °C and absorbed energy in J, optionally shear fracture in %
and lateral expansion in mm, recognised by the column heads; or a saved
test series (.wpserie).
Options (the same for all files; for a test series they replace its own settings):
  --notch V|U           notch shape of the specimens (V)
  --striker 2|8         radius of the striker in mm (2)
  --lower-shelf J       fix the lower shelf instead of fitting it (typically 2 to 3 J)
  --upper-shelf J       fix the upper shelf instead of fitting it
  --reasons             print why values are not determined
Output: a header line and one line per file, separated by tabs,
with decimal points; values not determined as -.</translation>
    </message>
    <message>
        <source>Aufruf: werkstoffpruefung --evaluate tensile DATEI … Optionen
Probe (in mm, für alle Dateien gleich):
  --d0 D              Durchmesser einer runden Probe
  --a0 A --b0 B       Dicke und Breite einer Flachprobe
  --L0 L              Anfangsmesslänge
  --Le L              Messlänge des Dehnungsaufnehmers (ohne: L0)
  --crosshead         die Verlängerung ist der Traversenweg
Spalten (ohne: wie erkannt), als Nummer ab 1 oder als Spaltenkopf:
  --force SPALTE  --extension SPALTE
Auswertung:
  --modulus-range VON:BIS   Bereich der Hookeschen Geraden in % von Rm (10:40)
  --fracture-drop P         Kraftabfall in % von Fm, der als Bruch gilt (10)
  --fracture-samples N      ... innerhalb von N Messpunkten (5)
  --reasons                 Gründe nicht bestimmter Werte ausgeben
Ausgabe: eine Kopfzeile und eine Zeile je Datei, durch Tabulatoren getrennt,
mit Dezimalpunkt; nicht bestimmte Werte als -.</source>
        <translation>Usage: werkstoffpruefung --evaluate tensile FILE … options
Specimen (in mm, the same for all files):
  --d0 D              diameter of a round specimen
  --a0 A --b0 B       thickness and width of a flat specimen
  --L0 L              original gauge length
  --Le L              gauge length of the extensometer (default: L0)
  --crosshead         the extension is the crosshead displacement
Columns (default: as recognised), as a number from 1 or as a column head:
  --force COLUMN  --extension COLUMN
Evaluation:
  --modulus-range FROM:TO   range of the elastic line in % of Rm (10:40)
  --fracture-drop P         drop of force in % of Fm that counts as fracture (10)
  --fracture-samples N      ... within N measured points (5)
  --reasons                 print why values are not determined
Output: a header line and one line per file, separated by tabs,
with decimal points; values not determined as -.</translation>
    </message>
    <message>
        <source>%1 braucht einen gültigen Wert.</source>
        <translation>%1 needs a valid value.</translation>
    </message>
    <message>
        <source>Unbekannte Option %1.</source>
        <translation>Unknown option %1.</translation>
    </message>
    <message>
        <source>Es ist keine Datei angegeben.</source>
        <translation>No file is given.</translation>
    </message>
    <message>
        <source>Aufruf: werkstoffpruefung --evaluate ART DATEI … [Optionen]; ART ist eine von: %1</source>
        <translation>Usage: werkstoffpruefung --evaluate KIND FILE … [options]; KIND is one of: %1</translation>
    </message>
    <message>
        <source>Unbekannte Art der Auswertung „%1“; bekannt sind: %2</source>
        <translation>Unknown kind of evaluation “%1”; known are: %2</translation>
    </message>
    <message>
        <source>Die Tieflage (--lower-shelf) darf nicht negativ sein.</source>
        <translation>The lower shelf (--lower-shelf) must not be negative.</translation>
    </message>
    <message>
        <source>Die Hochlage (--upper-shelf) muss über der Tieflage (--lower-shelf) liegen.</source>
        <translation>The upper shelf (--upper-shelf) must lie above the lower shelf (--lower-shelf).</translation>
    </message>
    <message>
        <source>%1: keine Spalte „%2“ für die %3.</source>
        <extracomment>%1 file name, %2 the column given on the command line, %3 what it should hold (force, extension)</extracomment>
        <translation>%1: no column “%2” for the %3.</translation>
    </message>
    <message>
        <source>Der Querschnitt fehlt: --d0 oder --a0 und --b0 angeben.</source>
        <translation>The cross-section is missing: give --d0, or --a0 and --b0.</translation>
    </message>
    <message>
        <source>Entweder --d0 (runde Probe) oder --a0 und --b0 (Flachprobe) angeben, nicht beides.</source>
        <translation>Give either --d0 (round specimen) or --a0 and --b0 (flat specimen), not both.</translation>
    </message>
    <message>
        <source>Die Anfangsmesslänge fehlt: --L0 angeben.</source>
        <translation>The original gauge length is missing: give --L0.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>ExampleFiles</name>
    <message>
        <source>Baustahl S355J2 mit ausgeprägter Streckgrenze</source>
        <translation>Structural steel S355J2 with a distinct yield point</translation>
    </message>
    <message>
        <source>Aluminiumlegierung EN AW-6082 T6, Flachprobe</source>
        <translation>Aluminium alloy EN AW-6082 T6, flat specimen</translation>
    </message>
    <message>
        <source>Austenitischer Stahl X5CrNi18-10</source>
        <translation>Austenitic steel X5CrNi18-10</translation>
    </message>
    <message>
        <source>Baustahl S355J2 mit Übergang von Tief- zu Hochlage</source>
        <translation>Structural steel S355J2 with a transition from lower to upper shelf</translation>
    </message>
    <message>
        <source>Austenitischer Stahl X5CrNi18-10 ohne Übergang</source>
        <translation>Austenitic steel X5CrNi18-10 without a transition</translation>
    </message>
    <message>
        <source>Vergütungsstahl C45 mit Treppenstufenfolge</source>
        <translation>Quenched and tempered steel C45 with a staircase</translation>
    </message>
    <message>
        <source>Aluminiumlegierung AlMgSi1 ohne ausgeprägte Dauerfestigkeit</source>
        <translation>Aluminium alloy AlMgSi1 without a distinct endurance limit</translation>
    </message>
</context>
<context>
    <name>FatigueEvaluation</name>
    <message>
        <source>Neigung der Zeitfestigkeitsgeraden</source>
        <translation>Slope of the finite-life line</translation>
    </message>
    <message>
        <source>Exponent der Basquin-Gleichung N = N0·(σa/σ0)^−k: um wie viel Dekaden die Schwingspielzahl steigt, wenn die Spannungsamplitude um eine Dekade sinkt.</source>
        <translation>Exponent of Basquin’s equation N = N0·(σa/σ0)^−k: by how many decades the number of cycles rises when the stress amplitude falls by one decade.</translation>
    </message>
    <message>
        <source>Bezugsspannung</source>
        <translation>Reference stress</translation>
    </message>
    <message>
        <source>Geometrisches Mittel der Spannungsamplituden der Brüche, der Schwerpunkt der Zeitfestigkeitsgeraden.</source>
        <translation>Geometric mean of the stress amplitudes of the fractured specimens, the centroid of the finite-life line.</translation>
    </message>
    <message>
        <source>Bezugsschwingspielzahl</source>
        <translation>Reference number of cycles</translation>
    </message>
    <message>
        <source>Schwingspielzahl der Zeitfestigkeitsgeraden (50 % Bruchwahrscheinlichkeit) bei der Bezugsspannung σ0.</source>
        <translation>Number of cycles of the finite-life line (50 % probability of fracture) at the reference stress σ0.</translation>
    </message>
    <message>
        <source>Lage der Zeitfestigkeitsgeraden</source>
        <translation>Position of the finite-life line</translation>
    </message>
    <message>
        <source>Dekadischer Logarithmus von N0; sein Standardfehler ist die Unsicherheit der Lage der Geraden in Dekaden.</source>
        <translation>Common logarithm of N0; its standard error is the uncertainty of the line’s position in decades.</translation>
    </message>
    <message>
        <source>Streuung</source>
        <translation>Scatter</translation>
    </message>
    <message>
        <source>Standardabweichung von lg N um die Zeitfestigkeitsgerade, mit den Freiheitsgraden der Regression (Brüche minus 2).</source>
        <translation>Standard deviation of lg N about the finite-life line, with the degrees of freedom of the regression (fractures minus 2).</translation>
    </message>
    <message>
        <source>Streuspanne</source>
        <translation>Scatter band</translation>
    </message>
    <message>
        <source>Verhältnis der Schwingspielzahlen für 90 % und 10 % Bruchwahrscheinlichkeit, T_N = 10^(2·1,2816·s); die Linien für 10 % und 90 % liegen um ±1,2816·s in lg N neben der Geraden für 50 %.</source>
        <translation>Ratio of the numbers of cycles for 90 % and 10 % probability of fracture, T_N = 10^(2·1.2816·s); the lines for 10 % and 90 % lie ±1.2816·s in lg N beside the line for 50 %.</translation>
    </message>
    <message>
        <source>Dauerfestigkeit</source>
        <translation>Endurance limit</translation>
    </message>
    <message>
        <source>Spannungsamplitude, die eine Probe mit 50 % Wahrscheinlichkeit ohne Bruch erträgt, aus der Treppenstufenfolge nach Dixon und Mood.</source>
        <translation>Stress amplitude that a specimen endures without fracture with 50 % probability, from the staircase after Dixon and Mood.</translation>
    </message>
    <message>
        <source>Streuung der Dauerfestigkeit</source>
        <translation>Scatter of the endurance limit</translation>
    </message>
    <message>
        <source>Standardabweichung der Dauerfestigkeit, 1,62·d·((N·B − A²)/N² + 0,029); nur gültig, wo (N·B − A²)/N² größer als 0,3 ist.</source>
        <translation>Standard deviation of the endurance limit, 1.62·d·((N·B − A²)/N² + 0.029); valid only where (N·B − A²)/N² is greater than 0.3.</translation>
    </message>
    <message>
        <source>Abknickpunkt</source>
        <translation>Knee point</translation>
    </message>
    <message>
        <source>Schwingspielzahl, bei der die Zeitfestigkeitsgerade (50 %) die Dauerfestigkeit erreicht.</source>
        <translation>Number of cycles at which the finite-life line (50 %) reaches the endurance limit.</translation>
    </message>
    <message>
        <source>Keine Probe gehört zur Treppenstufenfolge.</source>
        <translation>No specimen belongs to the staircase.</translation>
    </message>
    <message>
        <source>Es fehlt die Zeitfestigkeitsgerade oder die Dauerfestigkeit.</source>
        <translation>The finite-life line or the endurance limit is missing.</translation>
    </message>
    <message>
        <source>Die Zeitfestigkeitsgerade erreicht die Dauerfestigkeit erst jenseits darstellbarer Schwingspielzahlen.</source>
        <translation>The finite-life line reaches the endurance limit only beyond representable numbers of cycles.</translation>
    </message>
    <message>
        <source>Der Wert liegt außerhalb des darstellbaren Zahlenbereichs.</source>
        <translation>The value lies outside the representable range of numbers.</translation>
    </message>
    <message>
        <source>Unbekanntes Ergebnis.</source>
        <translation>Unknown result.</translation>
    </message>
    <message>
        <source>Zeitfestigkeitsgerade: %1</source>
        <translation>Finite-life line: %1</translation>
    </message>
    <message>
        <source>Dauerfestigkeit: %1</source>
        <translation>Endurance limit: %1</translation>
    </message>
</context>
<context>
    <name>FatigueSeries</name>
    <message>
        <source>Die Spannungsamplitude ist keine Zahl.</source>
        <translation>The stress amplitude is not a number.</translation>
    </message>
    <message>
        <source>Die Spannungsamplitude %1 MPa ist nicht positiv.</source>
        <translation>The stress amplitude %1 MPa is not positive.</translation>
    </message>
    <message>
        <source>Die Schwingspielzahl ist keine Zahl.</source>
        <translation>The number of cycles is not a number.</translation>
    </message>
    <message>
        <source>Die Schwingspielzahl %1 ist kleiner als 1.</source>
        <translation>The number of cycles %1 is less than 1.</translation>
    </message>
    <message>
        <source>Die Stufenweite d der Treppenstufenfolge muss positiv sein.</source>
        <translation>The step size d of the staircase must be positive.</translation>
    </message>
    <message>
        <source>Die Grenzschwingspielzahl muss mindestens 1 sein.</source>
        <translation>The run-out limit must be at least 1.</translation>
    </message>
    <message>
        <source>Die Reihe hat entweder eine Mittelspannung oder ein Spannungsverhältnis R, nicht beides.</source>
        <translation>The series has either a mean stress or a stress ratio R, not both.</translation>
    </message>
    <message>
        <source>Ein Spannungsverhältnis R = 1 ist eine ruhende Last, kein Schwingversuch.</source>
        <translation>A stress ratio R = 1 is a static load, not a fatigue test.</translation>
    </message>
    <message>
        <source>Die Spalte der Spannungsamplitude fehlt.</source>
        <translation>The column of the stress amplitude is missing.</translation>
    </message>
    <message>
        <source>Die Spalte der Schwingspielzahl fehlt.</source>
        <translation>The column of the number of cycles is missing.</translation>
    </message>
    <message>
        <source>Die Spannungsamplitude fehlt.</source>
        <translation>The stress amplitude is missing.</translation>
    </message>
    <message>
        <source>Die Schwingspielzahl fehlt.</source>
        <translation>The number of cycles is missing.</translation>
    </message>
    <message>
        <source>Die Kennzeichnung %1 ist weder 0 noch 1.</source>
        <translation>The flag %1 is neither 0 nor 1.</translation>
    </message>
</context>
<context>
    <name>ImpactEvaluation</name>
    <message>
        <source>Hochlage</source>
        <translation>Upper shelf</translation>
    </message>
    <message>
        <source>Verbrauchte Schlagenergie bei hohen Temperaturen, wo die Proben zäh brechen: die obere Asymptote der Übergangskurve.</source>
        <translation>Absorbed energy at high temperatures, where the specimens fracture in a ductile manner: the upper asymptote of the transition curve.</translation>
    </message>
    <message>
        <source>Tieflage</source>
        <translation>Lower shelf</translation>
    </message>
    <message>
        <source>Verbrauchte Schlagenergie bei tiefen Temperaturen, wo die Proben spröde brechen: die untere Asymptote der Übergangskurve.</source>
        <translation>Absorbed energy at low temperatures, where the specimens fracture in a brittle manner: the lower asymptote of the transition curve.</translation>
    </message>
    <message>
        <source>Mitte des Übergangs</source>
        <translation>Middle of the transition</translation>
    </message>
    <message>
        <source>Temperatur, bei der die Übergangskurve in der Mitte zwischen Tief- und Hochlage liegt; dort ist sie am steilsten.</source>
        <translation>Temperature at which the transition curve lies midway between lower and upper shelf; there it is steepest.</translation>
    </message>
    <message>
        <source>Breite des Übergangs</source>
        <translation>Width of the transition</translation>
    </message>
    <message>
        <source>Parameter der Kurve: der Übergangsbereich reicht von T_m − 2C bis T_m + 2C.</source>
        <translation>Parameter of the curve: the transition region extends from T_m − 2C to T_m + 2C.</translation>
    </message>
    <message>
        <source>Übergangstemperatur bei 27 J</source>
        <translation>Transition temperature at 27 J</translation>
    </message>
    <message>
        <source>Temperatur, bei der die Übergangskurve eine verbrauchte Schlagenergie von 27 J erreicht.</source>
        <translation>Temperature at which the transition curve reaches an absorbed energy of 27 J.</translation>
    </message>
    <message>
        <source>Übergangstemperatur bei halber Hochlage</source>
        <translation>Transition temperature at half the upper shelf</translation>
    </message>
    <message>
        <source>Temperatur, bei der die Übergangskurve 50 % der Hochlage erreicht.</source>
        <translation>Temperature at which the transition curve reaches 50 % of the upper shelf.</translation>
    </message>
    <message>
        <source>Übergangstemperatur des Bruchaussehens</source>
        <translation>Fracture appearance transition temperature</translation>
    </message>
    <message>
        <source>Temperatur, bei der die Bruchfläche zu 50 % aus Scherbruch (zähem Bruch) besteht, aus der Übergangskurve der Scherbruchanteile.</source>
        <translation>Temperature at which the fracture surface consists of 50 % shear (ductile) fracture, from the transition curve of the shear fractions.</translation>
    </message>
    <message>
        <source>Streuung um die Kurve</source>
        <translation>Scatter about the curve</translation>
    </message>
    <message>
        <source>Standardabweichung der Punkte um die Übergangskurve, mit den Freiheitsgraden der Anpassung (Punkte minus Parameter).</source>
        <translation>Standard deviation of the points about the transition curve, with the degrees of freedom of the fit (points minus parameters).</translation>
    </message>
    <message>
        <source>Keine Übergangskurve.</source>
        <translation>No transition curve.</translation>
    </message>
    <message>
        <source>Keine Scherbruchanteile angegeben.</source>
        <translation>No shear fractions given.</translation>
    </message>
    <message>
        <source>Unbekanntes Ergebnis.</source>
        <translation>Unknown result.</translation>
    </message>
    <message>
        <source>Übergangskurve: %1</source>
        <translation>Transition curve: %1</translation>
    </message>
    <message>
        <source>Die Tieflage ist festgelegt, nicht angepasst.</source>
        <translation>The lower shelf is fixed, not fitted.</translation>
    </message>
    <message>
        <source>Die Hochlage ist festgelegt, nicht angepasst.</source>
        <translation>The upper shelf is fixed, not fitted.</translation>
    </message>
</context>
<context>
    <name>ImpactSeries</name>
    <message>
        <source>V-Kerb</source>
        <extracomment>Notch shapes of the impact specimens, short: in a choice box and in descriptions of a series</extracomment>
        <translation>V-notch</translation>
    </message>
    <message>
        <source>U-Kerb</source>
        <translation>U-notch</translation>
    </message>
    <message>
        <source>Finnenradius 2 mm</source>
        <extracomment>Radius of the pendulum&apos;s striker edge, short: in a choice box and in descriptions of a series</extracomment>
        <translation>Striker radius 2 mm</translation>
    </message>
    <message>
        <source>Finnenradius 8 mm</source>
        <translation>Striker radius 8 mm</translation>
    </message>
    <message>
        <source>Die Prüftemperatur ist keine Zahl.</source>
        <translation>The test temperature is not a number.</translation>
    </message>
    <message>
        <source>Die Prüftemperatur %1 °C liegt unter dem absoluten Nullpunkt.</source>
        <translation>The test temperature %1 °C lies below absolute zero.</translation>
    </message>
    <message>
        <source>Die verbrauchte Schlagenergie ist keine Zahl.</source>
        <translation>The absorbed energy is not a number.</translation>
    </message>
    <message>
        <source>Die verbrauchte Schlagenergie %1 J ist negativ.</source>
        <translation>The absorbed energy %1 J is negative.</translation>
    </message>
    <message>
        <source>Der Scherbruchanteil %1 % liegt nicht zwischen 0 und 100 %.</source>
        <translation>The shear fraction %1 % does not lie between 0 and 100 %.</translation>
    </message>
    <message>
        <source>Die laterale Breitung %1 mm ist negativ.</source>
        <translation>The lateral expansion %1 mm is negative.</translation>
    </message>
    <message>
        <source>Die Probenform „%1“ ist unbekannt (erwartet: „V“ oder „U“).</source>
        <translation>The specimen type “%1” is unknown (expected: “V” or “U”).</translation>
    </message>
    <message>
        <source>Der Radius der Hammerfinne „%1“ ist unbekannt (erwartet: 2 oder 8 mm).</source>
        <translation>The striker radius “%1” is unknown (expected: 2 or 8 mm).</translation>
    </message>
    <message>
        <source>Die festgelegte Tieflage ist negativ.</source>
        <translation>The fixed lower shelf is negative.</translation>
    </message>
    <message>
        <source>Die festgelegte Hochlage liegt nicht über der festgelegten Tieflage.</source>
        <translation>The fixed upper shelf does not lie above the fixed lower shelf.</translation>
    </message>
    <message>
        <source>Die Spalte der Prüftemperatur fehlt.</source>
        <translation>The column of the test temperature is missing.</translation>
    </message>
    <message>
        <source>Die Spalte der verbrauchten Schlagenergie fehlt.</source>
        <translation>The column of the absorbed energy is missing.</translation>
    </message>
    <message>
        <source>Die Prüftemperatur fehlt.</source>
        <translation>The test temperature is missing.</translation>
    </message>
    <message>
        <source>Die verbrauchte Schlagenergie fehlt.</source>
        <translation>The absorbed energy is missing.</translation>
    </message>
</context>
<context>
    <name>IndentationScene</name>
    <message>
        <source>Prüfkraft F wird aufgebracht, die Kugel dringt in die Probe ein</source>
        <translation>Test force F is applied; the ball penetrates the specimen</translation>
    </message>
    <message>
        <source>Prüfkraft F wirkt ein</source>
        <translation>Test force F is acting</translation>
    </message>
    <message>
        <source>Entlastung: der Prüfkörper fährt zurück</source>
        <translation>Release: the indenter moves back</translation>
    </message>
    <message>
        <source>Prüfkörper senkt sich auf die Probe</source>
        <translation>The indenter descends onto the specimen</translation>
    </message>
    <message>
        <source>Prüfvorkraft Fo wird aufgebracht</source>
        <translation>Preliminary test force Fo is applied</translation>
    </message>
    <message>
        <source>Prüfkraft F wird zusätzlich aufgebracht</source>
        <translation>Additional test force F is applied</translation>
    </message>
    <message>
        <source>Prüfkraft Fo + F wirkt ein</source>
        <translation>Test force Fo + F is acting</translation>
    </message>
    <message>
        <source>Entlastung: Prüfkraft F wird weggenommen, der Prüfkörper fährt zurück</source>
        <translation>Release: test force F is removed; the indenter moves back</translation>
    </message>
    <message>
        <source>Prüfkraft F wird aufgebracht, die Pyramide dringt in die Probe ein</source>
        <translation>Test force F is applied; the pyramid penetrates the specimen</translation>
    </message>
    <message>
        <source>Eindringkörper: Kugel aus gehärtetem Stahl. </source>
        <extracomment>Drawn above the Brinell test, room for about 45 characters</extracomment>
        <translation>Indenter: ball of hardened steel.</translation>
    </message>
    <message>
        <source>Prüfkraft  F</source>
        <extracomment>Label of the force arrow over the indenter; F is the symbol</extracomment>
        <translation>Test force F</translation>
    </message>
    <message>
        <source>Probe</source>
        <extracomment>Label of the specimen in the drawing, room for about 8 characters</extracomment>
        <translation>Specimen</translation>
    </message>
    <message>
        <source>Durchmesser d</source>
        <extracomment>Dimension of the Brinell indentation; d is the symbol</extracomment>
        <translation>Diameter d</translation>
    </message>
    <message>
        <source>Brinellhärte  HB</source>
        <extracomment>Heading of the Brinell formulas; HB is the symbol</extracomment>
        <translation>Brinell hardness HB</translation>
    </message>
    <message>
        <source>d = Durchmesser|    des Eindrucks</source>
        <extracomment>The meaning of d in the Brinell formula, drawn on two lines split at |</extracomment>
        <translation>d = diameter|    of indentation</translation>
    </message>
    <message>
        <source>0.102 * Prüfkraft F </source>
        <extracomment>Numerator of the hardness formula over a fraction bar of about 180 px</extracomment>
        <translation>0.102 * test force F</translation>
    </message>
    <message>
        <source>Eindruckoberfläche A </source>
        <extracomment>Denominator of the hardness formula under a fraction bar of about 180 px</extracomment>
        <translation>Indentation area A</translation>
    </message>
    <message>
        <source>Eindringkörper: stumpfer Diamantkegel mit 120° Spitzenwinkel.</source>
        <extracomment>Drawn above the Rockwell test, room for about 60 characters</extracomment>
        <translation>Indenter: rounded diamond cone with 120° cone angle.</translation>
    </message>
    <message>
        <source>Rockwellhärte wird über die Eindringtiefe ermittelt</source>
        <extracomment>Drawn above the Rockwell test, below the indenter&apos;s description</extracomment>
        <translation>Rockwell hardness is found from the indentation depth</translation>
    </message>
    <message>
        <source>Prüfvorkraft Fo</source>
        <translation>Preliminary force Fo</translation>
    </message>
    <message>
        <source>Prüfvorkraft Fo|+ Prüfkraft F</source>
        <extracomment>The forces acting during the Rockwell test, drawn on two lines split at |</extracomment>
        <translation>Preliminary force Fo|+ test force F</translation>
    </message>
    <message>
        <source>Eindringkörper: vierseitige Diamantpyramide </source>
        <extracomment>Drawn above the Vickers test, first of two lines (about 45 characters each)</extracomment>
        <translation>Indenter: square-based diamond pyramid</translation>
    </message>
    <message>
        <source>mit 136° Spitzenwinkel.</source>
        <extracomment>Drawn above the Vickers test, second of two lines</extracomment>
        <translation>with 136° angle between opposite faces.</translation>
    </message>
    <message>
        <source>Vickershärte HV</source>
        <extracomment>Heading of the Vickers formulas; HV is the symbol</extracomment>
        <translation>Vickers hardness HV</translation>
    </message>
    <message>
        <source>d2 und d1 =|Diagonale |des Eindrucks </source>
        <extracomment>The meaning of d1 and d2 in the Vickers formula, drawn on three lines split at |</extracomment>
        <translation>d2 and d1 =|diagonals|of indentation</translation>
    </message>
</context>
<context>
    <name>MachineFile</name>
    <message>
        <source>%1 ist leer.</source>
        <translation>%1 is empty.</translation>
    </message>
    <message>
        <source>%1 ist keine Textdatei.</source>
        <translation>%1 is not a text file.</translation>
    </message>
    <message>
        <source>%1 enthält keine Tabelle aus Zahlen: keine zwei aufeinanderfolgenden Zeilen mit mindestens zwei Zahlen.</source>
        <translation>%1 contains no table of numbers: no two consecutive lines with at least two numbers.</translation>
    </message>
    <message>
        <source>%1 lässt sich nicht öffnen: %2</source>
        <translation>%1 cannot be opened: %2</translation>
    </message>
    <message>
        <source>Kraft</source>
        <extracomment>What a column of a machine file holds, used inside messages (&quot;no column for the force&quot;): lower case in English</extracomment>
        <translation>force</translation>
    </message>
    <message>
        <source>Verlängerung</source>
        <extracomment>What a column of a machine file holds (the extension measured), used inside messages: lower case in English</extracomment>
        <translation>extension</translation>
    </message>
    <message>
        <source>Zeit</source>
        <extracomment>What a column of a machine file holds, used inside messages: lower case in English</extracomment>
        <translation>time</translation>
    </message>
    <message>
        <source>Es ist keine Spalte für die Kraft gewählt.</source>
        <translation>No column is chosen for the force.</translation>
    </message>
    <message>
        <source>Es ist keine Spalte für die Verlängerung gewählt.</source>
        <translation>No column is chosen for the extension.</translation>
    </message>
    <message>
        <source>Die Spalte %1 für „%2“ gibt es nicht: die Tabelle hat %3 Spalten.</source>
        <translation>Column %1 for “%2” does not exist: the table has %3 columns.</translation>
    </message>
    <message>
        <source>Kraft, Verlängerung und Zeit müssen in verschiedenen Spalten stehen.</source>
        <translation>Force, extension and time must be in different columns.</translation>
    </message>
    <message>
        <source>Die Kraft wird in N oder kN angegeben, eine Spannung in MPa, nicht in „%1“.</source>
        <translation>The force is given in N or kN, a stress in MPa, not in “%1”.</translation>
    </message>
    <message>
        <source>Die Verlängerung wird in mm oder µm angegeben, eine Dehnung in %, nicht in „%1“.</source>
        <translation>The extension is given in mm or µm, a strain in %, not in “%1”.</translation>
    </message>
    <message>
        <source>Die Zeit wird in s, ms oder min angegeben, nicht in „%1“.</source>
        <translation>The time is given in s, ms or min, not in “%1”.</translation>
    </message>
    <message>
        <source>%1, Zeile %2: die Zeile hat nur %3 Spalten, die %4 steht aber in Spalte %5.</source>
        <extracomment>%1 file name, %2 line number, %3 number of fields, %4 what the column holds (force, extension, time), %5 its column number</extracomment>
        <translation>%1, line %2: the line has only %3 columns, but the %4 is in column %5.</translation>
    </message>
    <message>
        <source>Spalte %1</source>
        <extracomment>A column inside a message; %1 its number from 1</extracomment>
        <translation>column %1</translation>
    </message>
    <message>
        <source>Spalte %1 (%2)</source>
        <translation>column %1 (%2)</translation>
    </message>
    <message>
        <source>%1, Zeile %2: %3 ist leer.</source>
        <translation>%1, line %2: %3 is empty.</translation>
    </message>
    <message>
        <source>%1, Zeile %2: „%3“ in %4 ist keine Zahl.</source>
        <extracomment>%1 file name, %2 line number, %3 the text of the cell, %4 the column (&quot;column 3 (force)&quot;)</extracomment>
        <translation>%1, line %2: “%3” in %4 is not a number.</translation>
    </message>
    <message>
        <source>Die Datei ist auf %1 eingestellt.</source>
        <extracomment>Added to a message about a number that would read with the other decimal mark; %1 is the name of the decimal mark the file is read with (an item of a choice box: &quot;Decimal comma&quot;)</extracomment>
        <translation>The file is set to “%1”.</translation>
    </message>
    <message>
        <source>Das Einlesen von %1 wurde abgebrochen.</source>
        <translation>Reading %1 was cancelled.</translation>
    </message>
    <message>
        <source>%1 enthält ab Zeile %2 keine Messwerte.</source>
        <translation>%1 contains no measured values from line %2 on.</translation>
    </message>
    <message>
        <source>Die Tabelle hat keine Spalte, die die %1 sein kann.</source>
        <translation>The table has no column that can be the %1.</translation>
    </message>
    <message>
        <source>Keine Spalte der Tabelle kann die %1 sein (Spalten: %2); für einen Zugversuch braucht es Kraft und Verlängerung.</source>
        <extracomment>%1 the role (force, extension), %2 the column heads of the file</extracomment>
        <translation>No column of the table can be the %1 (columns: %2); a tensile test needs force and extension.</translation>
    </message>
</context>
<context>
    <name>SeriesCommands</name>
    <message>
        <source>Tabelle einlesen</source>
        <extracomment>Title of the file dialog that reads a table of results.</extracomment>
        <translation>Read Table</translation>
    </message>
    <message>
        <source>Tabellen (*.csv *.txt *.tsv);;Alle Dateien (*)</source>
        <translation>Tables (*.csv *.txt *.tsv);;All files (*)</translation>
    </message>
    <message>
        <source>Bericht</source>
        <translation>Report</translation>
    </message>
    <message>
        <source>Bericht als PDF speichern</source>
        <extracomment>Title of the file dialog that saves the PDF report.</extracomment>
        <translation>Save Report as PDF</translation>
    </message>
    <message>
        <source>PDF-Dokumente (*.pdf)</source>
        <translation>PDF documents (*.pdf)</translation>
    </message>
    <message>
        <source>Bericht gespeichert: %1</source>
        <translation>Report saved: %1</translation>
    </message>
    <message>
        <source>Tabelle &amp;einlesen …</source>
        <translation>&amp;Read Table …</translation>
    </message>
    <message>
        <source>&amp;Beispiel öffnen</source>
        <translation>Open &amp;Example</translation>
    </message>
    <message>
        <source>Bericht als &amp;PDF …</source>
        <translation>Report as &amp;PDF …</translation>
    </message>
    <message>
        <source>Messwerte &amp;einfügen</source>
        <translation>&amp;Paste Measurements</translation>
    </message>
    <message>
        <source>&amp;Zeilen löschen</source>
        <translation>&amp;Delete Rows</translation>
    </message>
    <message>
        <source>Wert</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>Standardfehler</source>
        <translation>Standard error</translation>
    </message>
    <message>
        <source>Standardfehler aus der Anpassung</source>
        <translation>Standard error from the fit</translation>
    </message>
    <message>
        <source>Einheit</source>
        <translation>Unit</translation>
    </message>
    <message>
        <source>%1  %2</source>
        <extracomment>A row of the results table: the symbol, then the name (&quot;T27J Übergangstemperatur bei 27 J&quot;).</extracomment>
        <translation>%1  %2</translation>
    </message>
    <message>
        <source>Für diese Größe wird kein Standardfehler angegeben.</source>
        <translation>No standard error is given for this quantity.</translation>
    </message>
    <message>
        <source>Vom Benutzer festgelegt, nicht angepasst.</source>
        <translation>Fixed by the user, not fitted.</translation>
    </message>
    <message>
        <source>Nicht bestimmt.</source>
        <translation>Not determined.</translation>
    </message>
</context>
<context>
    <name>SeriesFile</name>
    <message>
        <source>Zugversuch</source>
        <extracomment>The kinds of evaluation a series file holds, also in messages (&quot;holds no evaluation ‘%2’ but ‘%3’&quot;)</extracomment>
        <translation>Tensile test</translation>
    </message>
    <message>
        <source>Kerbschlagbiegeversuch</source>
        <translation>Notched-bar impact test</translation>
    </message>
    <message>
        <source>Wöhlerversuch</source>
        <translation>Fatigue test</translation>
    </message>
    <message>
        <source>Probe %1</source>
        <extracomment>Name of a specimen without a name of its own, and its place in messages; %1 counts from 1</extracomment>
        <translation>Specimen %1</translation>
    </message>
    <message>
        <source>Die Liste der Proben („specimens“) fehlt.</source>
        <translation>The list of specimens (“specimens”) is missing.</translation>
    </message>
    <message>
        <source>Der Eintrag ist kein Objekt.</source>
        <translation>The entry is not an object.</translation>
    </message>
    <message>
        <source>„%1“ fehlt.</source>
        <translation>“%1” is missing.</translation>
    </message>
    <message>
        <source>„%1“ ist keine Zahl.</source>
        <translation>“%1” is not a number.</translation>
    </message>
    <message>
        <source>„%1“ ist weder true noch false.</source>
        <translation>“%1” is neither true nor false.</translation>
    </message>
    <message>
        <source>%1 ist beschädigt (Zeile %2, Spalte %3: %4).</source>
        <translation>%1 is damaged (line %2, column %3: %4).</translation>
    </message>
    <message>
        <source>%1 ist keine Versuchsreihe dieses Programms.</source>
        <translation>%1 is not a test series of this program.</translation>
    </message>
    <message>
        <source>%1 ist beschädigt: die Formatversion fehlt oder ist keine ganze Zahl.</source>
        <translation>%1 is damaged: the format version is missing or not an integer.</translation>
    </message>
    <message>
        <source>%1 wurde von einer neueren Programmversion gespeichert (Format %2); diese Version liest Format %3. Bitte das Programm aktualisieren.</source>
        <translation>%1 was saved by a newer version of the program (format %2); this version reads format %3. Please update the program.</translation>
    </message>
    <message>
        <source>%1 enthält eine Auswertung der Art „%2“, die dieses Programm nicht kennt.</source>
        <translation>%1 contains an evaluation of the kind “%2”, which this program does not know.</translation>
    </message>
    <message>
        <source>%1 enthält keine Auswertung „%2“, sondern „%3“.</source>
        <translation>%1 contains no evaluation “%2” but “%3”.</translation>
    </message>
    <message>
        <source>%1 ist beschädigt: die Versuchsreihe fehlt.</source>
        <translation>%1 is damaged: the test series is missing.</translation>
    </message>
    <message>
        <source>%1 ist beschädigt. %2</source>
        <extracomment>%1 the file name, %2 a sentence saying what is wrong</extracomment>
        <translation>%1 is damaged. %2</translation>
    </message>
    <message>
        <source>%1 lässt sich nicht speichern: %2</source>
        <translation>%1 cannot be saved: %2</translation>
    </message>
    <message>
        <source>%1 lässt sich nicht speichern: %2. Die bisherige Datei bleibt unverändert.</source>
        <translation>%1 cannot be saved: %2. The previous file stays unchanged.</translation>
    </message>
    <message>
        <source>%1 lässt sich nicht öffnen: %2</source>
        <translation>%1 cannot be opened: %2</translation>
    </message>
    <message>
        <source>Der Ordner für die automatische Sicherung (%1) lässt sich nicht anlegen.</source>
        <translation>The folder for the automatic backup (%1) cannot be created.</translation>
    </message>
</context>
<context>
    <name>SeriesReport</name>
    <message>
        <source>ja</source>
        <translation>yes</translation>
    </message>
    <message>
        <source>nein</source>
        <translation>no</translation>
    </message>
    <message>
        <source>Der Bericht „%1“ kann nicht geschrieben werden: %2</source>
        <extracomment>%1 is the report&apos;s file name, %2 why it could not be written.</extracomment>
        <translation>The report “%1” cannot be written: %2</translation>
    </message>
    <message>
        <source>Die PDF-Ausgabe lässt sich nicht beginnen.</source>
        <translation>The PDF output cannot be started.</translation>
    </message>
    <message>
        <source>%1 – erstellt am %2</source>
        <extracomment>%1 is the series (its file), %2 the date and time the report was made.</extracomment>
        <translation>%1 – created on %2</translation>
    </message>
    <message>
        <source>Ergebnisse</source>
        <translation>Results</translation>
    </message>
    <message>
        <source>Messwerte</source>
        <translation>Measurements</translation>
    </message>
    <message>
        <source>Die PDF-Ausgabe lässt sich nicht abschließen.</source>
        <translation>The PDF output cannot be completed.</translation>
    </message>
</context>
<context>
    <name>Specimen</name>
    <message>
        <source>%1 muss größer als null sein (angegeben: %2 mm).</source>
        <translation>%1 must be greater than zero (given: %2 mm).</translation>
    </message>
    <message>
        <source>Lu (%1 mm) ist kleiner als L0 (%2 mm): eine Probe wird im Zugversuch nicht kürzer.</source>
        <translation>Lu (%1 mm) is smaller than L0 (%2 mm): a specimen does not get shorter in a tensile test.</translation>
    </message>
    <message>
        <source>du gilt nur für runde Proben; für eine Flachprobe Su angeben.</source>
        <translation>du applies only to round specimens; for a flat specimen give Su.</translation>
    </message>
    <message>
        <source>du (%1 mm) ist größer als d0 (%2 mm).</source>
        <translation>du (%1 mm) is greater than d0 (%2 mm).</translation>
    </message>
    <message>
        <source>Su muss größer als null sein (angegeben: %1 mm²).</source>
        <translation>Su must be greater than zero (given: %1 mm²).</translation>
    </message>
    <message>
        <source>Su (%1 mm²) ist größer als S0 (%2 mm²).</source>
        <translation>Su (%1 mm²) is greater than S0 (%2 mm²).</translation>
    </message>
    <message>
        <source>Fm muss größer als null sein (angegeben: %1 kN).</source>
        <translation>Fm must be greater than zero (given: %1 kN).</translation>
    </message>
</context>
<context>
    <name>Staircase</name>
    <message>
        <source>Keine Probe gehört zur Treppenstufenfolge.</source>
        <translation>No specimen belongs to the staircase.</translation>
    </message>
    <message>
        <source>Die Stufenweite d der Treppenstufenfolge fehlt oder ist nicht positiv.</source>
        <translation>The step size d of the staircase is missing or not positive.</translation>
    </message>
    <message>
        <source>Eine Probe der Treppenstufenfolge hat keine gültige Spannungsamplitude.</source>
        <translation>A specimen of the staircase has no valid stress amplitude.</translation>
    </message>
    <message>
        <source>Die Treppenstufenfolge reicht über mehr als %1 Stufen der Weite d = %2 MPa; die Stufenweite passt nicht zu den Spannungsamplituden.</source>
        <translation>The staircase spans more than %1 steps of size d = %2 MPa; the step size does not match the stress amplitudes.</translation>
    </message>
    <message>
        <source>Die Spannungsamplitude %1 MPa liegt nicht auf einer Stufe im Abstand d = %2 MPa von %3 MPa.</source>
        <translation>The stress amplitude %1 MPa does not lie on a step at a distance d = %2 MPa from %3 MPa.</translation>
    </message>
    <message>
        <source>In der Treppenstufenfolge ist keine Probe gebrochen; die Dauerfestigkeit liegt über allen geprüften Stufen.</source>
        <translation>No specimen of the staircase fractured; the endurance limit lies above all levels tested.</translation>
    </message>
    <message>
        <source>In der Treppenstufenfolge ist jede Probe gebrochen; die Dauerfestigkeit liegt unter allen geprüften Stufen.</source>
        <translation>Every specimen of the staircase fractured; the endurance limit lies below all levels tested.</translation>
    </message>
    <message>
        <source>(N·B − A²)/N² = %1 ist nicht größer als 0,3: die Stufen streuen zu wenig, als dass sich die Standardabweichung schätzen ließe (kleinere Stufenweite oder mehr Proben).</source>
        <translation>(N·B − A²)/N² = %1 is not greater than 0.3: the levels scatter too little for the standard deviation to be estimated (smaller step size or more specimens).</translation>
    </message>
</context>
<context>
    <name>TFormAvT</name>
    <message>
        <source>Kerbschlagarbeit-Temperatur-Kurve: ISO-V-Probe</source>
        <extracomment>Window title</extracomment>
        <translation>Impact energy-temperature curve: Charpy V-notch specimen</translation>
    </message>
    <message>
        <source>&amp;Ende</source>
        <extracomment>Menu item that closes the window; access key after &amp;</extracomment>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>&amp;Charakteristische Bruchflächen</source>
        <extracomment>Menu item that shows the four photographs of fracture surfaces; access key after &amp;</extracomment>
        <translation>C&amp;haracteristic fracture surfaces</translation>
    </message>
    <message>
        <source>Kerbschlagarbeit-Temperatur-Kurve</source>
        <translation>Impact energy-temperature curve</translation>
    </message>
    <message>
        <source>Kerbschlagarbeit über der Temperatur für kubisch-raumzentrierten und kubisch-flächenzentrierten Stahl, mit Hochlage, Übergang und Tieflage; die Tasten 1 bis 4 zeigen die Bruchflächen: zäh, Mischbruch, spröde, austenitisch</source>
        <translation>Impact energy over temperature for body-centred cubic and face-centred cubic steel, with upper shelf, transition and lower shelf; the keys 1 to 4 show the fracture surfaces: ductile, mixed, brittle, austenitic</translation>
    </message>
    <message>
        <source>ESC = Abbruch</source>
        <extracomment>Status bar: Escape closes the window</extracomment>
        <translation>ESC = Cancel</translation>
    </message>
</context>
<context>
    <name>TFormBildAus</name>
    <message>
        <source>Zäher Bruch austenitischer Stahl</source>
        <extracomment>Title of a small photograph window (230 pixels wide)</extracomment>
        <translation>Ductile fracture, austenitic steel</translation>
    </message>
</context>
<context>
    <name>TFormBildH</name>
    <message>
        <source>Zäher Bruch St 37</source>
        <extracomment>Title of a small photograph window (230 pixels wide): ductile fracture surface of St 37</extracomment>
        <translation>Ductile fracture St 37</translation>
    </message>
</context>
<context>
    <name>TFormBildM</name>
    <message>
        <source>Mischbruch St 37</source>
        <extracomment>Title of a small photograph window (230 pixels wide): mixed fracture surface of St 37</extracomment>
        <translation>Mixed fracture St 37</translation>
    </message>
</context>
<context>
    <name>TFormBildT</name>
    <message>
        <source>Sprödbruch St 37</source>
        <extracomment>Title of a small photograph window (230 pixels wide): brittle fracture surface of St 37</extracomment>
        <translation>Brittle fracture St 37</translation>
    </message>
</context>
<context>
    <name>TFormBrinell</name>
    <message>
        <source> Bei der Härtemessung nach
 Brinell (DIN EN 6506-1 früher 
 DIN 50351) wird eine gehärtete
 Stahlkugel oder eine Hartmetall-
 kugel als Eindringkörper eingesetzt.

 Dieser Prüfkörper mit bekanntem 
 Durchmesser D wird mit einer defi-
 nierten Prüfkraft F senkrecht in die
 Oberfläche einer glatt aufliegenden
 Probe eingedrückt.
 Die Prüfkraft ist dabei innerhalb 
 einer bestimmten Zeitspanne aufzu-
 bringen. Die Einwirkzeit muss 10 bis
 15 Sekunden betragen.
 Mit Hilfe des Durchmessers d des 
 Eindrucks, dem Prüfkörperdurch-
 messer D und der Prüfkraft F er-
 rechnet man die Brinellhärte HB:

 Das Brinellhärteverfahren kommt
 bevorzugt bei Eisenwerkstoffen 
 und NE-Legierungen mit unter-
 schiedlichen Gefügebestandteilen
 zur Anwendung. Es eignet sich aller-
 dings nicht für sehr harte Stoffe und
 für dünne Oberflächenschichten.</source>
        <extracomment>Explanation box of the Brinell window: one line per 
, lines of at most about 36 characters, at most 27 lines</extracomment>
        <translation> In the Brinell hardness test
 (DIN EN ISO 6506-1, formerly
 DIN 50351) the indenter is a
 hardened steel ball or a hard-
 metal ball.

 This indenter of known diameter D
 is pressed with a defined test
 force F vertically into the sur-
 face of a specimen lying flat.
 The test force has to be applied
 within a specified time. It must
 act for 10 to 15 seconds.
 The Brinell hardness HB is calcu-
 lated from the diameter d of the
 indentation, the ball diameter D
 and the test force F:

 The Brinell method is used mainly
 for ferrous materials and non-
 ferrous alloys whose micro-
 structure has several
 constituents. It is not suited to
 very hard materials or to thin
 surface layers.</translation>
    </message>
    <message>
        <source>Härtemessung nach Brinell (DIN EN 6506-1)</source>
        <extracomment>Caption of the Brinell window</extracomment>
        <translation>Brinell hardness test (DIN EN ISO 6506-1)</translation>
    </message>
    <message>
        <source>&amp;Berechnung der Brinellwerte</source>
        <extracomment>Menu item that opens the Brinell calculator; access key after &amp;</extracomment>
        <translation>&amp;Brinell calculation</translation>
    </message>
    <message>
        <source>Be&amp;rechnungsgrundlagen</source>
        <extracomment>Menu item that draws the Brinell formulas; access key after &amp;</extracomment>
        <translation>&amp;Formulas</translation>
    </message>
    <message>
        <source>Brinellhärtemessung (schematisch)</source>
        <extracomment>Screen reader: name of the drawing, then what it shows after a run</extracomment>
        <translation>Brinell hardness test (schematic)</translation>
    </message>
    <message>
        <source>Messung beendet: Eindruck von oben mit Durchmesser d und Formeln für HB</source>
        <translation>Test finished: indentation seen from above with diameter d and the formulas for HB</translation>
    </message>
</context>
<context>
    <name>TFormDauer1</name>
    <message>
        <source>Spannungsverlauf wird gezeichnet: %1</source>
        <translation>Drawing the stress curve: %1</translation>
    </message>
    <message>
        <source>Bereiche der Dauerschwingbeanspruchung</source>
        <extracomment>Window title</extracomment>
        <translation>Ranges of fatigue loading</translation>
    </message>
    <message>
        <source>&amp;Ende</source>
        <extracomment>Menu item that closes the window; access key after &amp;</extracomment>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>&amp;Neu Zeichnen</source>
        <extracomment>Menu item that clears the diagram; access key after &amp;</extracomment>
        <translation>&amp;Redraw</translation>
    </message>
    <message>
        <source>Spannungs-Zeit-Diagramm</source>
        <translation>Stress-time diagram</translation>
    </message>
    <message>
        <source>Spannung über der Zeit für die eingegebene Spannungsamplitude und Mittelspannung</source>
        <translation>Stress over time for the stress amplitude and mean stress entered</translation>
    </message>
    <message>
        <source>Start der Beanspruchung</source>
        <extracomment>Button that starts the loading: 150 pixels, about 22 characters in bold</extracomment>
        <translation>Start loading</translation>
    </message>
    <message>
        <source>ESC = Abbruch</source>
        <extracomment>Status bar: Escape closes the window</extracomment>
        <translation>ESC = Cancel</translation>
    </message>
    <message>
        <source>Spannungsverlauf gezeichnet</source>
        <extracomment>Announced to screen readers when the stress curve is complete</extracomment>
        <translation>Stress curve drawn</translation>
    </message>
</context>
<context>
    <name>TFormDauer2</name>
    <message>
        <source>Wöhlerkurve: Einfluss des Kristallgitters </source>
        <extracomment>Window title</extracomment>
        <translation>S-N curve: influence of the crystal lattice</translation>
    </message>
    <message>
        <source>Einfuss des Kristallgitters auf die Dauerfestigkeit</source>
        <extracomment>Title of the diagram in its grey header band, about 60 characters</extracomment>
        <translation>Influence of the crystal lattice on the fatigue strength</translation>
    </message>
    <message>
        <source>Kubisch-&amp;raumzentriertes Gitter</source>
        <extracomment>Menu item that draws the curve of body-centred cubic metals; access key after &amp;</extracomment>
        <translation>&amp;Body-centred cubic lattice</translation>
    </message>
    <message>
        <source>Kubisch-&amp;flächenzentriertes Gitter</source>
        <extracomment>Menu item that draws the curve of face-centred cubic metals; access key after &amp;</extracomment>
        <translation>&amp;Face-centred cubic lattice</translation>
    </message>
</context>
<context>
    <name>TFormDauer3</name>
    <message>
        <source>Wöhlerkurve: Einfluss des Umgebungsmedium</source>
        <extracomment>Window title</extracomment>
        <translation>S-N curve: influence of the environment</translation>
    </message>
    <message>
        <source>Einfuss des Umgebungsmediums (Korrosion) auf die Dauerfestigkeit</source>
        <extracomment>Title of the diagram in its grey header band, about 60 characters</extracomment>
        <translation>Influence of the environment (corrosion) on the fatigue strength</translation>
    </message>
    <message>
        <source>&amp;Ausgangszustand</source>
        <extracomment>Menu item that draws the curve of the initial state, without corrosion; access key after &amp;</extracomment>
        <translation>&amp;Initial state</translation>
    </message>
    <message>
        <source>K&amp;orrosion</source>
        <extracomment>Menu item that draws the curve under corrosion; access key after &amp;</extracomment>
        <translation>C&amp;orrosion</translation>
    </message>
</context>
<context>
    <name>TFormDauer4</name>
    <message>
        <source>Wöhlerkurve: Einfluss von Eigenspannungen</source>
        <extracomment>Window title</extracomment>
        <translation>S-N curve: influence of residual stresses</translation>
    </message>
    <message>
        <source>Einfluss von Eigenspannungen auf die Dauerfestigkeit</source>
        <extracomment>Title of the diagram in its grey header band, about 60 characters</extracomment>
        <translation>Influence of residual stresses on the fatigue strength</translation>
    </message>
    <message>
        <source>&amp;Keine Eigenspannungen</source>
        <extracomment>Menu item: curve without residual stresses; access key after &amp;</extracomment>
        <translation>&amp;No residual stresses</translation>
    </message>
    <message>
        <source>&amp;Zugeigenspannungen</source>
        <extracomment>Menu item: curve with residual tensile stresses; access key after &amp;</extracomment>
        <translation>Residual &amp;tensile stresses</translation>
    </message>
    <message>
        <source>&amp;Druckeigenspannungen</source>
        <extracomment>Menu item: curve with residual compressive stresses; access key after &amp;</extracomment>
        <translation>Residual &amp;compressive stresses</translation>
    </message>
</context>
<context>
    <name>TFormDauerBild</name>
    <message>
        <source>Dauerbruch: Austenitischer Chrom-Nickel Stahl</source>
        <extracomment>Window title
----------
Caption written in white on the photograph, room for about 40 characters before the scale bar</extracomment>
        <translation>Fatigue fracture: austenitic chromium-nickel steel</translation>
    </message>
    <message>
        <source>Bildunterschrift</source>
        <translation>Caption</translation>
    </message>
    <message>
        <source>Dauerbruch: Austenitischer Chrom-Nickel Stahl, Maßstab 20 µm</source>
        <translation>Fatigue fracture: austenitic chromium-nickel steel, scale 20 µm</translation>
    </message>
    <message>
        <source>ESC = Abbruch</source>
        <extracomment>Status bar: Escape closes the window</extracomment>
        <translation>ESC = Cancel</translation>
    </message>
</context>
<context>
    <name>TFormDauerEinfluss</name>
    <message>
        <source>Werkstoff</source>
        <extracomment>Panels of the tree of factors that influence the fatigue strength: a group panel (Werkstoff, Bauteilform, Belastung, Umgebung) holds about 14 characters, a factor panel about 30, in a bold font of 20 pixels</extracomment>
        <translation>Material</translation>
    </message>
    <message>
        <source>Kristallgitter</source>
        <translation>Crystal lattice</translation>
    </message>
    <message>
        <source>Wärmebehandlung</source>
        <translation>Heat treatment</translation>
    </message>
    <message>
        <source>Eigenspannungen</source>
        <translation>Residual stresses</translation>
    </message>
    <message>
        <source>Bauteilform</source>
        <translation>Shape</translation>
    </message>
    <message>
        <source>Kerbeinfluss</source>
        <translation>Notch effect</translation>
    </message>
    <message>
        <source>Oberflächenzustand</source>
        <translation>Surface condition</translation>
    </message>
    <message>
        <source>Bauteilabmessungen</source>
        <translation>Component size</translation>
    </message>
    <message>
        <source>Belastung</source>
        <translation>Loading</translation>
    </message>
    <message>
        <source>Belastungsart</source>
        <translation>Type of loading</translation>
    </message>
    <message>
        <source>Mittelspannung</source>
        <translation>Mean stress</translation>
    </message>
    <message>
        <source>Spannungen und Frequenz</source>
        <translation>Stresses and frequency</translation>
    </message>
    <message>
        <source>Umgebung</source>
        <translation>Environment</translation>
    </message>
    <message>
        <source>Temperatur</source>
        <translation>Temperature</translation>
    </message>
    <message>
        <source>Umgebungsmedium</source>
        <translation>Surrounding medium</translation>
    </message>
    <message>
        <source>Einflussgrößen auf die Dauerfestigkeit von Bauteilen</source>
        <extracomment>Window title</extracomment>
        <translation>Factors influencing the fatigue strength of components</translation>
    </message>
    <message>
        <source>&amp;Ende</source>
        <extracomment>Menu item that closes the window; access key after &amp;</extracomment>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>Einflussgrößen auf die Dauerfestigkeit</source>
        <translation>Factors influencing the fatigue strength</translation>
    </message>
    <message>
        <source>Baum der Einflussgrößen: Werkstoff, Bauteilform, Belastung, Umgebung</source>
        <translation>Tree of the influencing factors: material, shape, loading, environment</translation>
    </message>
    <message>
        <source>ESC = Abbruch</source>
        <extracomment>Status bar: Escape closes the window</extracomment>
        <translation>ESC = Cancel</translation>
    </message>
</context>
<context>
    <name>TFormDauerTExt</name>
    <message>
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
        <source>Für Dauerschwingversuche werden Zug/Druck-, Umlaufbiege-, Wechselbiege- 
und Torsionswechsel-Prüfmaschinen eingesetzt.</source>
        <extracomment>Third paragraph: 2 lines of about 80 characters, broken with 
</extracomment>
        <translation>Fatigue tests are run on tension-compression, rotating bending,
alternating bending and alternating torsion testing machines.</translation>
    </message>
    <message>
        <source>Ermittlung der Dauerfestigkeit</source>
        <extracomment>Window title</extracomment>
        <translation>Determining the fatigue strength</translation>
    </message>
    <message>
        <source>&amp;Ende</source>
        <extracomment>Menu item that closes the window; access key after &amp;</extracomment>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>Einführungstext zum Dauerschwingversuch</source>
        <translation>Introduction to the fatigue test</translation>
    </message>
    <message>
        <source>ESC = Abbruch</source>
        <extracomment>Status bar: Escape closes the window</extracomment>
        <translation>ESC = Cancel</translation>
    </message>
</context>
<context>
    <name>TFormDauerWBM</name>
    <message>
        <source>Wechselbiegemaschine (schematisch)</source>
        <extracomment>Window title</extracomment>
        <translation>Alternating bending machine (schematic)</translation>
    </message>
    <message>
        <source>&amp;Ende</source>
        <extracomment>Menu item that closes the window; access key after &amp;</extracomment>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>Start</source>
        <extracomment>Menu item; access key after &amp;</extracomment>
        <translation>Start</translation>
    </message>
    <message>
        <source>Stopp</source>
        <extracomment>Menu item; access key after &amp;</extracomment>
        <translation>Stop</translation>
    </message>
    <message>
        <source>&amp;Neu Starten</source>
        <extracomment>Menu item; access key after &amp;</extracomment>
        <translation>&amp;Restart</translation>
    </message>
    <message>
        <source>Exzenter, Pleuel und eingespannte Probe mit den Formeln der Biegespannung</source>
        <translation>Eccentric, connecting rod and clamped specimen with the formulas of the bending stress</translation>
    </message>
    <message>
        <source>ESC = Abbruch</source>
        <extracomment>Status bar: Escape closes the window</extracomment>
        <translation>ESC = Cancel</translation>
    </message>
</context>
<context>
    <name>TFormDauerWoehler</name>
    <message>
        <source>Laststufe %1 N/mm², %2: die Proben schwingen bis zum Bruch</source>
        <extracomment>Announced to screen readers: %1 is the stress amplitude, %2 the state (soft-annealed or shot-peened)</extracomment>
        <translation>Load level %1 N/mm², %2: the specimens are cycled until they break</translation>
    </message>
    <message>
        <source>weichgeglüht</source>
        <translation>soft-annealed</translation>
    </message>
    <message>
        <source>kugelgestrahlt</source>
        <translation>shot-peened</translation>
    </message>
    <message>
        <source>Proben gebrochen, ihre Bruchpunkte eingetragen: %1 von 10 Laststufen</source>
        <translation>Specimens broken, their fracture points plotted: %1 of 10 load levels</translation>
    </message>
    <message>
        <source>Aufnahme einer Wöhlerlinie einer weichgeglühten und kugelgestrahlten Aluminiumlegierung AlMg4,5Mn</source>
        <extracomment>Window title</extracomment>
        <translation>Recording the S-N curve of a soft-annealed and a shot-peened aluminium alloy AlMg4.5Mn</translation>
    </message>
    <message>
        <source>&amp;Ende</source>
        <extracomment>Menu item that closes the window; access key after &amp;</extracomment>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>&amp;Weichgeglüht</source>
        <extracomment>Menu of the load series of the soft-annealed specimens; access key after &amp;</extracomment>
        <translation>&amp;Soft-annealed</translation>
    </message>
    <message>
        <source>&amp;Kugelgestrahlt</source>
        <extracomment>Menu of the load series of the shot-peened specimens; access key after &amp;</extracomment>
        <translation>S&amp;hot-peened</translation>
    </message>
    <message>
        <source>Spannungsamplitude %1 N/qmm</source>
        <extracomment>Menu item that runs a load series; %1 is the stress amplitude in N/mm²</extracomment>
        <translation>Stress amplitude %1 N/mm²</translation>
    </message>
    <message>
        <source>&amp;Vollbild</source>
        <extracomment>Menu item that enlarges the Wöhler diagram to the whole window; access key after &amp;</extracomment>
        <translation>&amp;Full view</translation>
    </message>
    <message>
        <source>&amp;Bruchwahrscheinlichkeit</source>
        <extracomment>Menu of the lines of equal probability of fracture; access key after &amp;</extracomment>
        <translation>&amp;Probability of fracture</translation>
    </message>
    <message>
        <source>Weichgeglüht</source>
        <extracomment>State of the specimens in the menu of fracture probabilities: soft-annealed</extracomment>
        <translation>Soft-annealed</translation>
    </message>
    <message>
        <source>Kugelgestrahlt</source>
        <translation>Shot-peened</translation>
    </message>
    <message>
        <source>%1 %2%</source>
        <extracomment>Menu item of a line of equal fracture probability: %1 is the state, %2 the probability in per cent</extracomment>
        <translation>%1 %2%</translation>
    </message>
    <message>
        <source>&amp;Neu Zeichnen</source>
        <extracomment>Menu item that clears the diagrams; access key after &amp;</extracomment>
        <translation>&amp;Redraw</translation>
    </message>
    <message>
        <source>Spannungs-Zeit-Verlauf der Laststufe</source>
        <translation>Stress over time at the load level</translation>
    </message>
    <message>
        <source>Wöhlerdiagramm</source>
        <translation>S-N diagram</translation>
    </message>
    <message>
        <source>Bruchpunkte der Laststufen, Spannungsamplitude über der Bruchzyklenzahl</source>
        <translation>Fracture points of the load levels, stress amplitude over the number of cycles to failure</translation>
    </message>
    <message>
        <source>ESC = Abbruch</source>
        <extracomment>Status bar: Escape closes the window</extracomment>
        <translation>ESC = Cancel</translation>
    </message>
    <message>
        <source>Bruchpunkte aller zehn Laststufen eingetragen</source>
        <translation>Fracture points of all ten load levels plotted</translation>
    </message>
</context>
<context>
    <name>TFormHB</name>
    <message>
        <source>HB-Werte</source>
        <extracomment>Heading of the list of accepted values, room for about 12 characters</extracomment>
        <translation>HB values</translation>
    </message>
    <message>
        <source>Berechnung der Brinellhärte</source>
        <extracomment>Heading of the calculator panel, room for about 28 characters</extracomment>
        <translation>Brinell hardness calculation</translation>
    </message>
    <message>
        <source>Prüflast in kp  </source>
        <extracomment>Label of the test load field (kilopond), room for about 18 characters</extracomment>
        <translation>Test load in kp</translation>
    </message>
    <message>
        <source>Prüfkraft in  N</source>
        <extracomment>Label of the test force field, room for about 18 characters</extracomment>
        <translation>Test force in N</translation>
    </message>
    <message>
        <source>Brinellhärte HB</source>
        <extracomment>Label of the result field, room for about 18 characters</extracomment>
        <translation>Hardness HB</translation>
    </message>
    <message>
        <source>Alle Daten löschen</source>
        <extracomment>Button that clears the calculator and its list</extracomment>
        <translation>Clear all data</translation>
    </message>
    <message>
        <source>Belastungen für Stahl mit</source>
        <extracomment>Heading of the small table of loads for steel, room for about 26 characters</extracomment>
        <translation>Loads for steel with</translation>
    </message>
    <message>
        <source>D = 10/5/2,5 mm</source>
        <extracomment>Ball diameters; only the decimal separator changes</extracomment>
        <translation>D = 10/5/2.5 mm</translation>
    </message>
    <message>
        <source>Berechnung der Brinallhärte HB</source>
        <extracomment>Caption of the Brinell calculator</extracomment>
        <translation>Calculation of the Brinell hardness HB</translation>
    </message>
</context>
<context>
    <name>TFormHV</name>
    <message>
        <source>HV-Werte</source>
        <extracomment>Heading of the list of accepted values, room for about 12 characters</extracomment>
        <translation>HV values</translation>
    </message>
    <message>
        <source>Berechnung der Vickershärte</source>
        <extracomment>Heading of the calculator panel, room for about 28 characters</extracomment>
        <translation>Vickers hardness calculation</translation>
    </message>
    <message>
        <source>Prüfbedingung    HV</source>
        <extracomment>Label of the test condition field (e.g. 10 for HV 10), room for about 18 characters</extracomment>
        <translation>Test condition  HV</translation>
    </message>
    <message>
        <source>Prüfkraft / N</source>
        <extracomment>Label of the test force field, room for about 18 characters</extracomment>
        <translation>Test force / N</translation>
    </message>
    <message>
        <source>Vickershärte HV</source>
        <extracomment>Label of the result field, room for about 18 characters</extracomment>
        <translation>Hardness HV</translation>
    </message>
    <message>
        <source>&amp;Alle Daten Löschen</source>
        <extracomment>Button that clears the calculator and its list; access key after &amp;</extracomment>
        <translation>C&amp;lear all data</translation>
    </message>
    <message>
        <source>Vorwiegende Belastungen</source>
        <extracomment>Heading of the small table of usual test conditions, room for about 26 characters</extracomment>
        <translation>Common test conditions</translation>
    </message>
    <message>
        <source>HV 0,5 HV 1 HV 10</source>
        <extracomment>Usual test conditions; only the decimal separator changes</extracomment>
        <translation>HV 0.5 HV 1 HV 10</translation>
    </message>
    <message>
        <source>Berechnung der Vickershärte HV</source>
        <extracomment>Caption of the Vickers calculator</extracomment>
        <translation>Calculation of the Vickers hardness HV</translation>
    </message>
</context>
<context>
    <name>TFormHVA223</name>
    <message>
        <source>Vickershärteprüfgerät Harlunde</source>
        <extracomment>Caption of the picture of the Vickers hardness tester; Harlunde is the tester&apos;s name</extracomment>
        <translation>Vickers hardness tester Harlunde</translation>
    </message>
    <message>
        <source>&amp;Ableseeinrichtung</source>
        <extracomment>Menu item that shows the tester&apos;s reading device; access key after &amp;</extracomment>
        <translation>&amp;Reading device</translation>
    </message>
    <message>
        <source>&amp;Prüfkraftauflage</source>
        <extracomment>Menu item that shows where the test weights are put on; access key after &amp;</extracomment>
        <translation>&amp;Test weight support</translation>
    </message>
    <message>
        <source>Prüfkörpereinfassung und P&amp;robe</source>
        <extracomment>Menu item that shows the indenter&apos;s mount and the specimen; access key after &amp;</extracomment>
        <translation>Indenter mount and &amp;specimen</translation>
    </message>
</context>
<context>
    <name>TFormHVA223Koerper</name>
    <message>
        <source>Vickershärteprüfgerät: Prüfkörpereinfassung und Probe</source>
        <extracomment>Caption of the detail picture</extracomment>
        <translation>Vickers hardness tester: indenter mount and specimen</translation>
    </message>
</context>
<context>
    <name>TFormHVA223Kraft</name>
    <message>
        <source>Vickershärteprüfgerät: Prüfkraftauflage</source>
        <extracomment>Caption of the detail picture</extracomment>
        <translation>Vickers hardness tester: test weight support</translation>
    </message>
</context>
<context>
    <name>TFormHVA223Lese</name>
    <message>
        <source>Vickershärteprüfgerät: Ableseeinrichtung</source>
        <extracomment>Caption of the detail picture</extracomment>
        <translation>Vickers hardness tester: reading device</translation>
    </message>
</context>
<context>
    <name>TFormHVGraph</name>
    <message>
        <source>Graphische Ausgabe der ermittelten Härtewerte</source>
        <extracomment>Caption of the chart window</extracomment>
        <translation>Chart of the measured hardness values</translation>
    </message>
    <message>
        <source>&amp;Ende</source>
        <extracomment>Menu item that closes the chart window; access key after &amp;</extracomment>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>&amp;Diagramm Zeichnen</source>
        <extracomment>Menu item that draws the values from the calculators; access key after &amp;</extracomment>
        <translation>&amp;Draw chart</translation>
    </message>
    <message>
        <source>&amp;Beispiele</source>
        <extracomment>Menu of example charts; access key after &amp;</extracomment>
        <translation>&amp;Examples</translation>
    </message>
    <message>
        <source>Einsatzstahl</source>
        <extracomment>Example: hardness of a case-hardened steel over the depth</extracomment>
        <translation>Case-hardened steel</translation>
    </message>
    <message>
        <source>&amp;Neu Zeichnen</source>
        <extracomment>Menu item that clears the chart; access key after &amp;</extracomment>
        <translation>&amp;New chart</translation>
    </message>
    <message>
        <source>ESC = Abbruch</source>
        <extracomment>Status bar of the chart window</extracomment>
        <translation>ESC = Cancel</translation>
    </message>
    <message>
        <source>Abstand vom Rand</source>
        <extracomment>Label under the case-hardened steel example&apos;s bars, room for about 20 characters</extracomment>
        <translation>Depth below surface</translation>
    </message>
    <message>
        <source>HV-Wert</source>
        <extracomment>Mark of a bar from the Vickers calculator, followed by the value</extracomment>
        <translation>HV value</translation>
    </message>
    <message>
        <source>HB-Wert</source>
        <extracomment>Mark of a bar from the Brinell calculator, followed by the value</extracomment>
        <translation>HB value</translation>
    </message>
    <message>
        <source>CK45-Normalisuert HV</source>
        <extracomment>Marks of the example bars: the steel CK45 in three states, room for about 22 characters</extracomment>
        <translation>CK45 normalized HV</translation>
    </message>
    <message>
        <source>CK45-Normalisuert HB</source>
        <translation>CK45 normalized HB</translation>
    </message>
    <message>
        <source>CK45-Gehärtet HV</source>
        <translation>CK45 hardened HV</translation>
    </message>
    <message>
        <source>CK45-Gehärtet HB</source>
        <translation>CK45 hardened HB</translation>
    </message>
    <message>
        <source>CK45-Vergütet HV</source>
        <translation>CK45 quenched+tempered HV</translation>
    </message>
    <message>
        <source>CK45-Vergütet HB</source>
        <translation>CK45 quenched+tempered HB</translation>
    </message>
</context>
<context>
    <name>TFormHaerte</name>
    <message>
        <source> Definition der Härte:
 Die Härte ist der Widerstand eines
 Werkstoffes gegen das Eindringen
 eines härteren Körpers.

 Die Härte eines Werkstoffes erlaubt 
 Aussagen über die Festigkeit.
 Sie wird mit unterschiedlichen Mess-
 verfahren ermittelt.
 Bei allen genormten Messverfahren
 dringt ein Eindringkörper mit einer
 definierten Kraft in das Werkstück ein.
 Der durch das Einsenken entstandene
 Eindruck wird ausgemessen und aus 
 der Höhe der Kraft und Geometrie des
 Eindrucks der Härtewert berechnet.
 Die Grafik zeigt schematisch ein Härte-
 prüfgerät, das sich zur Messung der 
 Härte mit unterschielichen Eindring-
 körpern eignet.

 Die drei hier vorgestellten statischen
 Messverfahren,
   - Brinell (EN ISO 6506-1) 
     früher (DIN 50351)
   - Rockwell (EN ISO 6508-1)
     früher (DIN 50103)
   - Vickers (EN ISO 6507-1)
     früher (DIN 50133)
 unterscheiden sich hinsichtlich der 
 geometrischen Form des Eindring-
 körpers der Höhe der Prüfkraft und 
 der Errechnung des jeweiligen 
 Härtewertes.</source>
        <extracomment>Explanation box of the hardness tester window: one line per 
, lines of at most about 38 characters; the box scrolls</extracomment>
        <translation> Definition of hardness:
 Hardness is the resistance of a
 material to the penetration of a
 harder body.

 The hardness of a material allows
 conclusions about its strength.
 It is determined by various test
 methods.
 In all standardized methods an
 indenter is pressed into the work-
 piece with a defined force.
 The indentation left behind is
 measured, and the hardness value
 is calculated from the force and
 the geometry of the indentation.
 The drawing shows schematically a
 hardness tester that can measure
 hardness with different
 indenters.

 The three static methods
 presented here,
   - Brinell (EN ISO 6506-1)
     formerly (DIN 50351)
   - Rockwell (EN ISO 6508-1)
     formerly (DIN 50103)
   - Vickers (EN ISO 6507-1)
     formerly (DIN 50133)
 differ in the shape of the
 indenter, the size of the test
 force and the way the hardness
 value is calculated.</translation>
    </message>
    <message>
        <source>Härteprüfmaschine (schematisch)</source>
        <extracomment>Caption of the hardness tester window
----------
Screen reader: description of the drawing</extracomment>
        <translation>Hardness tester (schematic)</translation>
    </message>
    <message>
        <source>&amp;Ende</source>
        <extracomment>Menu item that closes the window; access key after &amp;</extracomment>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>Beschriftete Schemazeichnung einer Härteprüfmaschine mit ihren Bauteilen</source>
        <translation>Labelled schematic drawing of a hardness tester and its parts</translation>
    </message>
    <message>
        <source>ESC = Abbruch</source>
        <extracomment>Status bar of the hardness tester window</extracomment>
        <translation>ESC = Cancel</translation>
    </message>
</context>
<context>
    <name>TFormHammerD108</name>
    <message>
        <source>Pendelschlagwerk Harlunde</source>
        <extracomment>Title of the photograph of the pendulum impact tester; the name Harlunde stays</extracomment>
        <translation>Pendulum impact tester Harlunde</translation>
    </message>
</context>
<context>
    <name>TFormHaupt</name>
    <message>
        <source>Sprache / Language …</source>
        <extracomment>Menu item of the title window&apos;s file menu, in both languages on purpose (a reader of either finds it)</extracomment>
        <translation>Sprache / Language …</translation>
    </message>
    <message>
        <source>Sprache / Language</source>
        <extracomment>Caption of the language dialog, in both languages on purpose</extracomment>
        <translation>Sprache / Language</translation>
    </message>
    <message>
        <source>Die gewählte Sprache gilt ab dem nächsten Start des Programms.
The language chosen applies from the next start of the program.</source>
        <extracomment>Note after the language was chosen: German and English on purpose, the reader may know only one</extracomment>
        <translation>Die gewählte Sprache gilt ab dem nächsten Start des Programms.
The language chosen applies from the next start of the program.</translation>
    </message>
    <message>
        <source>Mechanische Werkstoffprüfung</source>
        <extracomment>The program&apos;s name: caption of the title window
----------
The program&apos;s name as the title window&apos;s heading: one line of 600 pixels in 32-point Arial</extracomment>
        <translation>Mechanical Testing of Materials</translation>
    </message>
    <message>
        <source>&amp;Datei</source>
        <extracomment>Menu of the title window; access key after &amp;</extracomment>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>Hintergrundfarbe</source>
        <extracomment>File menu: chooses the background colour of the windows</extracomment>
        <translation>Background colour</translation>
    </message>
    <message>
        <source>&amp;Beenden</source>
        <extracomment>File menu: ends the program; access key after &amp;</extracomment>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>&amp;Einleitung </source>
        <extracomment>Menu bar of the title window: opens the overview of the topics; access key after &amp;</extracomment>
        <translation>&amp;Introduction</translation>
    </message>
    <message>
        <source>&amp;Information</source>
        <extracomment>Menu bar of the title window: opens the information window; access key after &amp;</extracomment>
        <translation>I&amp;nformation</translation>
    </message>
    <message>
        <source>Eine Auswahl von  Prüfverfahren </source>
        <extracomment>Subheading of the title window: one line of 600 pixels in 31-point Arial</extracomment>
        <translation>A selection of testing methods</translation>
    </message>
    <message>
        <source>ESC = Abbruch</source>
        <extracomment>Status bar: the Escape key closes the window</extracomment>
        <translation>ESC = Cancel</translation>
    </message>
</context>
<context>
    <name>TFormInfo</name>
    <message>
        <source>Information</source>
        <extracomment>Caption of the information window</extracomment>
        <translation>Information</translation>
    </message>
    <message>
        <source>&amp;Ende</source>
        <extracomment>Menu item that closes the information window; access key after &amp;</extracomment>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>Unser Dank gilt dem Institut für Werkstofftechnik und seiner Leitung|sowie der Hochschule für die Bereitstellung digitaler Bilder</source>
        <extracomment>Information window: thanks on two lines of at most 660 pixels (about 65 characters); | marks the line break</extracomment>
        <translation>We thank the Institute of Materials Engineering and its management|and the university for providing digital images</translation>
    </message>
    <message>
        <source>Bildschirmeinstellungen:</source>
        <extracomment>Information window: heading of the recommended screen sizes</extracomment>
        <translation>Screen settings:</translation>
    </message>
    <message>
        <source>800x600 oder 1024x768</source>
        <extracomment>Information window: the recommended screen sizes</extracomment>
        <translation>800x600 or 1024x768</translation>
    </message>
    <message>
        <source>Die Mitwirkenden des Projekts</source>
        <extracomment>Information window: who made the program; no person is named</extracomment>
        <translation>The project&apos;s contributors</translation>
    </message>
    <message>
        <source>Dresden, August 2002</source>
        <extracomment>Information window: place and date of the program&apos;s first release</extracomment>
        <translation>Dresden, August 2002</translation>
    </message>
</context>
<context>
    <name>TFormKerbHa</name>
    <message>
        <source>Pendelhammer fällt aus der Fallhöhe H auf die Probe</source>
        <translation>The pendulum hammer falls from the height H onto the specimen</translation>
    </message>
    <message>
        <source>Probe durchschlagen: der Pendelhammer steigt auf die Steighöhe h</source>
        <translation>Specimen broken: the pendulum hammer rises to the height h</translation>
    </message>
    <message>
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
        <source>Kerbschlagbiegeversuch (DIN 50115, DIN EN 10045-1): Pendelschlagwerk (schematisch)</source>
        <extracomment>Window title</extracomment>
        <translation>Notched-bar impact test (DIN 50115, DIN EN 10045-1): pendulum impact tester (schematic)</translation>
    </message>
    <message>
        <source>&amp;Ende</source>
        <extracomment>Menu item that closes the window; access key after &amp;</extracomment>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <extracomment>Menu item that releases the pendulum hammer; access key after &amp;</extracomment>
        <translation>&amp;Start</translation>
    </message>
    <message>
        <source>&amp;Löschen/neu</source>
        <extracomment>Menu item that clears the picture and raises the hammer again; access key after &amp;</extracomment>
        <translation>&amp;Clear/new</translation>
    </message>
    <message>
        <source>Pendelschlagwerk (schematisch)</source>
        <translation>Pendulum impact tester (schematic)</translation>
    </message>
    <message>
        <source>Pendelhammer in Ausgangsstellung über der Probe im Widerlager</source>
        <translation>Pendulum hammer in its starting position above the specimen on the anvil</translation>
    </message>
    <message>
        <source>Formel der Kerbschlagzähigkeit</source>
        <translation>Formula of the impact strength</translation>
    </message>
    <message>
        <source>Kerbschlagzähigkeit gleich Kerbschlagarbeit durch Restquerschnitt</source>
        <translation>Impact strength equals impact energy divided by the remaining cross-section</translation>
    </message>
    <message>
        <source>Gekerbte Probe</source>
        <translation>Notched specimen</translation>
    </message>
    <message>
        <source>Probe mit Kerb unter der Hammerfinne, dreiachsiger Spannungszustand</source>
        <translation>Specimen with its notch below the striking edge, triaxial state of stress</translation>
    </message>
    <message>
        <source>Kerbschlagarbeit-Temperatur-Kurve öffnen</source>
        <extracomment>Accessible name of the link that opens the impact energy-temperature curve</extracomment>
        <translation>Open the impact energy-temperature curve</translation>
    </message>
    <message>
        <source>ESC = Abbruch</source>
        <extracomment>Status bar: Escape closes the window</extracomment>
        <translation>ESC = Cancel</translation>
    </message>
    <message>
        <source>Probe durchschlagen, Pendel ausgeschwungen</source>
        <extracomment>Announced to screen readers when the swing has ended</extracomment>
        <translation>Specimen broken, pendulum at rest</translation>
    </message>
</context>
<context>
    <name>TFormMPUeber</name>
    <message>
        <source>&amp;Härteprüfung</source>
        <translation>&amp;Hardness testing</translation>
    </message>
    <message>
        <source>Härteprüfmaschine (schematisch)</source>
        <translation>Hardness tester (schematic)</translation>
    </message>
    <message>
        <source>Brinellhärtemessung </source>
        <translation>Brinell hardness measurement</translation>
    </message>
    <message>
        <source>Rockwellhärtemessung</source>
        <translation>Rockwell hardness measurement</translation>
    </message>
    <message>
        <source>Vickershärtemessung</source>
        <translation>Vickers hardness measurement</translation>
    </message>
    <message>
        <source>Vickershärteprüfeinrichtung</source>
        <translation>Vickers hardness testing device</translation>
    </message>
    <message>
        <source>Kerbschlagbiegeversuch</source>
        <translation>Notched-bar impact test</translation>
    </message>
    <message>
        <source>Pendelschlagwerk (schematisch)</source>
        <translation>Pendulum impact tester (schematic)</translation>
    </message>
    <message>
        <source>Pendelschlagwerk </source>
        <translation>Pendulum impact tester</translation>
    </message>
    <message>
        <source>Zugversuch</source>
        <translation>Tensile test</translation>
    </message>
    <message>
        <source>Zugprüfmaschine (schematisch)</source>
        <translation>Tensile testing machine (schematic)</translation>
    </message>
    <message>
        <source>Spannungs-Dehnungs-Kurve</source>
        <translation>Stress–strain curve</translation>
    </message>
    <message>
        <source>Stahl im Zugversuch</source>
        <translation>Steel in the tensile test</translation>
    </message>
    <message>
        <source>Zugprüfmaschine</source>
        <translation>Tensile testing machine</translation>
    </message>
    <message>
        <source>&amp;Dauerschwingversuch</source>
        <translation>&amp;Fatigue test</translation>
    </message>
    <message>
        <source>Einleitung</source>
        <translation>Introduction</translation>
    </message>
    <message>
        <source>Wechselbiegemaschine</source>
        <translation>Alternating bending machine</translation>
    </message>
    <message>
        <source>Belastungsbereiche</source>
        <translation>Load ranges</translation>
    </message>
    <message>
        <source>Einflussgrößen</source>
        <translation>Influencing factors</translation>
    </message>
    <message>
        <source>Einfluss: Kristallgitter</source>
        <translation>Influence: crystal lattice</translation>
    </message>
    <message>
        <source>Einfluss: Umgebung</source>
        <translation>Influence: environment</translation>
    </message>
    <message>
        <source>Einfluss: Eigenspannungen</source>
        <translation>Influence: residual stresses</translation>
    </message>
    <message>
        <source>Aufnahme einer Wöhlerlinie</source>
        <translation>Recording an S–N curve</translation>
    </message>
    <message>
        <source>Dauerbruchfläche</source>
        <translation>Fatigue fracture surface</translation>
    </message>
    <message>
        <source>&amp;Berechnungen</source>
        <translation>C&amp;alculations</translation>
    </message>
    <message>
        <source>&amp;Vickers</source>
        <translation>&amp;Vickers</translation>
    </message>
    <message>
        <source>&amp;Brinell</source>
        <translation>&amp;Brinell</translation>
    </message>
    <message>
        <source>Ermittlung von Werkstoffkennwerten</source>
        <extracomment>Caption of the overview window</extracomment>
        <translation>Determination of Material Properties</translation>
    </message>
    <message>
        <source>&amp;Ende</source>
        <extracomment>Menu item that closes the overview; access key after &amp;</extracomment>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>Übersicht der Prüfverfahren</source>
        <extracomment>Screen reader: name of the overview drawing</extracomment>
        <translation>Overview of the testing methods</translation>
    </message>
    <message>
        <source>Normen und Werkstoffkennwerte von Zugversuch, Härteprüfung, Kerbschlagbiegeversuch und Dauerschwingversuch</source>
        <extracomment>Screen reader: description of the overview drawing</extracomment>
        <translation>Standards and material properties of the tensile test, hardness testing, the notched-bar impact test and the fatigue test</translation>
    </message>
    <message>
        <source>ESC = Abbruch</source>
        <extracomment>Status bar: the Escape key closes the window</extracomment>
        <translation>ESC = Cancel</translation>
    </message>
    <message>
        <source>&amp;Auswertung</source>
        <translation>&amp;Evaluation</translation>
    </message>
</context>
<context>
    <name>TFormRockwell</name>
    <message>
        <source> Bei der Härtebestimmung nach 
 Rockwell (DIN EN 6508-1)
 -Verfahren HRC-
 dient ein Diamantkegel mit 120° 
 Spitzenwinkel als Eindringkörper.

 Dieser Prüfkörper wird unter Ver-
 wendung einer Prüfvorkraft und
 einer Hauptkraft senkrecht 
 in die Oberfläche einer glatt 
 aufliegenden Probe eingedrückt.
 Bei diesem Prüfverfahren wird 
 der Härtewert über die Eindring-
 tiefe ermittelt.
 Dabei werden Eindringtiefe t und
 der Härtewert mit einem Tiefen-
 messgerät abgelesen.

 Das Rockwellhärtemessverfahren
 hat eine kurze Prüfzeit und läßt 
 sich automatisieren.
 Allerdings ist das Verfahren bei 
 sehr hoher Härte des Prüfwerk-
 stoffes ungenau, da sich bei 
 kleinen Eindringtiefen der Einfluss 
 der Abrundung bemerkbar macht.



 

 </source>
        <extracomment>Explanation box of the Rockwell window: one line per 
, lines of at most about 33 characters (narrower box), at most 27 lines</extracomment>
        <translation> In the Rockwell hardness test
 (DIN EN ISO 6508-1), method
 HRC, the indenter is a diamond
 cone with a cone angle of 120°.

 This indenter is pressed verti-
 cally into the surface of a
 specimen lying flat, first with
 a preliminary test force, then
 with an additional test force.
 This method finds the hardness
 value from the depth of
 indentation.
 The indentation depth t and the
 hardness value are read off a
 depth-measuring device.

 The Rockwell method needs only
 a short test time and can be
 automated.
 It is, however, inaccurate for
 very hard materials, as at small
 indentation depths the rounding
 of the tip makes itself felt.</translation>
    </message>
    <message>
        <source>Härtemessung nach Rockwell DIN EN 6508-1 (früher DIN 50103)</source>
        <extracomment>Caption of the Rockwell window</extracomment>
        <translation>Rockwell hardness test DIN EN ISO 6508-1 (formerly DIN 50103)</translation>
    </message>
    <message>
        <source>&amp;Anhalten</source>
        <extracomment>Hidden menu item (key F1) that pauses or continues a run</extracomment>
        <translation>&amp;Pause</translation>
    </message>
    <message>
        <source>Rockwellhärtemessung (schematisch)</source>
        <extracomment>Screen reader: name of the drawing, then what it shows after a run; to, t, tges are symbols</extracomment>
        <translation>Rockwell hardness test (schematic)</translation>
    </message>
    <message>
        <source>Messung beendet: Eindringtiefen to, t und tges und Eindruck von oben</source>
        <translation>Test finished: indentation depths to, t and tges and the indentation seen from above</translation>
    </message>
    <message>
        <source>ESC = Abbruch, F1 = Prozess anhalten/fortfahren</source>
        <extracomment>Status bar of the Rockwell window (bold), room for about 60 characters</extracomment>
        <translation>ESC = Cancel, F1 = pause/continue the test</translation>
    </message>
</context>
<context>
    <name>TFormVickers</name>
    <message>
        <source> Bei der Härtebestimmung nach
 Vickers (EN ISO 6507-1) dient 
 eine vierseitige Pyramide 
 mit 136° Spitzenwinkel als 
 Eindringkörper.

 Dieser Prüfkörper mit einer defi-
 nierten Prüfkraft F wird senkrecht 
 in die Oberfläche einer glatt 
 aufliegenden Probe eingedrückt.
 Die Prüfkraft ist dabei innerhalb 
 einer bestimmten Zeitspanne aufzu-
 bringen. 
 Bei diesem Prüfverfahren wird aus
 den Diagonalen (d1 und d2) des 
 Eindrucks, die nach dem Entlasten 
 der Probe gemessen werden, und 
 der Prüfkraft F die Vickershärte 
 berechnet.

 Besonders gut geeignet ist das 
 Vickershärteverfahren zur Prüfung 
 sehr harter Werkstoffe 
 insbesondere auch für kleine und
 dünne Proben sowie harte
 Oberflächenschichten. 
 </source>
        <extracomment>Explanation box of the Vickers window: one line per 
, lines of at most about 34 characters, at most 27 lines</extracomment>
        <translation> In the Vickers hardness test
 (EN ISO 6507-1) the indenter is
 a square-based diamond pyramid
 with an angle of 136° between
 opposite faces.

 This indenter is pressed with a
 defined test force F vertically
 into the surface of a specimen
 lying flat.
 The test force has to be applied
 within a specified time.
 The Vickers hardness is calcu-
 lated from the test force F and
 the diagonals (d1 and d2) of the
 indentation, which are measured
 after the specimen has been
 unloaded.

 The Vickers method is especially
 suited to testing very hard
 materials, and also to small and
 thin specimens and to hard
 surface layers.</translation>
    </message>
    <message>
        <source>Härtemessung nach Vickers (DIN 50133)</source>
        <extracomment>Caption of the Vickers window</extracomment>
        <translation>Vickers hardness test (DIN 50133)</translation>
    </message>
    <message>
        <source>&amp;Berechnung der Vickerswerte</source>
        <extracomment>Menu item that opens the Vickers calculator; access key after &amp;</extracomment>
        <translation>&amp;Vickers calculation</translation>
    </message>
    <message>
        <source>Vickershärtemessung (schematisch)</source>
        <extracomment>Screen reader: name of the drawing, then what it shows after a run</extracomment>
        <translation>Vickers hardness test (schematic)</translation>
    </message>
    <message>
        <source>Messung beendet: Eindruck von oben mit Diagonalen d1, d2 und Formeln für HV</source>
        <translation>Test finished: indentation seen from above with diagonals d1, d2 and the formulas for HV</translation>
    </message>
    <message>
        <source>Berechnungs&amp;grundlage</source>
        <extracomment>Menu item that draws the Vickers formulas; access key after &amp;</extracomment>
        <translation>&amp;Formulas</translation>
    </message>
</context>
<context>
    <name>TFormZug</name>
    <message>
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
        <source>Zugversuch nach DIN EN 10002: Spannungs-Dehnungs-Kurve</source>
        <extracomment>Window title</extracomment>
        <translation>Tensile test to DIN EN 10002: stress-strain curve</translation>
    </message>
    <message>
        <source>&amp;Ende</source>
        <extracomment>Menu item that closes the window; access key after &amp;</extracomment>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>&amp;unlegierter Stahl</source>
        <extracomment>Menu item that draws the curve of an unalloyed steel; access key after &amp;</extracomment>
        <translation>&amp;Unalloyed steel</translation>
    </message>
    <message>
        <source>&amp;hochlegierter austenitischer Stahl</source>
        <extracomment>Menu item that draws the curve of a high-alloy austenitic steel; access key after &amp;</extracomment>
        <translation>&amp;High-alloy austenitic steel</translation>
    </message>
    <message>
        <source>&amp;Loeschen/Neu</source>
        <extracomment>Menu item that clears the diagram; access key after &amp;</extracomment>
        <translation>&amp;Clear/new</translation>
    </message>
    <message>
        <source>Spannungs-Dehnungs-Diagramm</source>
        <translation>Stress-strain diagram</translation>
    </message>
    <message>
        <source>Spannung über der Dehnung für einen unlegierten und einen hochlegierten austenitischen Stahl</source>
        <translation>Stress over strain for an unalloyed and a high-alloy austenitic steel</translation>
    </message>
    <message>
        <source>Begriffe des Zugversuchs</source>
        <translation>Terms of the tensile test</translation>
    </message>
    <message>
        <source>Definition und Formel des in der Liste gewählten Begriffs</source>
        <translation>Definition and formula of the term chosen in the list</translation>
    </message>
    <message>
        <source>Begriffe</source>
        <extracomment>Accessible name of the list of tensile test terms</extracomment>
        <translation>Terms</translation>
    </message>
    <message>
        <source>ESC = Abbruch</source>
        <extracomment>Status bar: Escape closes the window</extracomment>
        <translation>ESC = Cancel</translation>
    </message>
    <message>
        <source>Kurve wird gezeichnet</source>
        <translation>Drawing the curve</translation>
    </message>
    <message>
        <source>unlegierter Stahl</source>
        <translation>unalloyed steel</translation>
    </message>
    <message>
        <source>hochlegierter austenitischer Stahl</source>
        <translation>high-alloy austenitic steel</translation>
    </message>
    <message>
        <source>Kurven gezeichnet: %1</source>
        <extracomment>Announced to screen readers; %1 lists the curves drawn, separated by commas</extracomment>
        <translation>Curves drawn: %1</translation>
    </message>
</context>
<context>
    <name>TFormZugAnniHoch</name>
    <message>
        <source>Hookesche Gerade: die Probe dehnt sich elastisch</source>
        <translation>Hooke&apos;s line: the specimen stretches elastically</translation>
    </message>
    <message>
        <source>Streckgrenze erreicht: die Probe fließt, die Spannung fällt von ReH auf ReL</source>
        <translation>Yield strength reached: the specimen yields, the stress drops from ReH to ReL</translation>
    </message>
    <message>
        <source>Verfestigung bis zur Zugfestigkeit Rm: die Probe wird gleichmäßig länger und dünner</source>
        <translation>Strain hardening up to the tensile strength Rm: the specimen grows uniformly longer and thinner</translation>
    </message>
    <message>
        <source>Zugfestigkeit Rm überschritten: die Probe schnürt sich ein</source>
        <translation>Tensile strength Rm passed: the specimen necks</translation>
    </message>
    <message>
        <source>Zugversuch nach DIN EN 10002: Spannungs-Dehnungs-Kurve mit Standardprobe</source>
        <extracomment>Window title</extracomment>
        <translation>Tensile test to DIN EN 10002: stress-strain curve with standard specimen</translation>
    </message>
    <message>
        <source>&amp;Ende</source>
        <extracomment>Menu item that closes the window; access key after &amp;</extracomment>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>&amp;Start Zugversuch</source>
        <extracomment>Menu item that starts the tensile test; access key after &amp;</extracomment>
        <translation>&amp;Start tensile test</translation>
    </message>
    <message>
        <source>Spannungs-Dehnungs-Diagramm</source>
        <translation>Stress-strain diagram</translation>
    </message>
    <message>
        <source>Kurve mit oberer und unterer Streckgrenze</source>
        <translation>Curve with upper and lower yield strength</translation>
    </message>
    <message>
        <source>Normprobe (Zugstab)</source>
        <translation>Standard specimen (tensile bar)</translation>
    </message>
    <message>
        <source>Zugstab zwischen den Zugkräften</source>
        <translation>Tensile bar between the tensile forces</translation>
    </message>
    <message>
        <source>ESC = Abbruch</source>
        <extracomment>Status bar: Escape closes the window</extracomment>
        <translation>ESC = Cancel</translation>
    </message>
    <message>
        <source>Kurve bis zum Bruch gezeichnet, Probe eingeschnürt und gebrochen</source>
        <translation>Curve drawn up to fracture, specimen necked and broken</translation>
    </message>
</context>
<context>
    <name>TFormZugD108</name>
    <message>
        <source>Zugprüfmaschine Harlunde</source>
        <extracomment>Title of the photograph of the tensile testing machine; the name Harlunde stays</extracomment>
        <translation>Tensile testing machine Harlunde</translation>
    </message>
</context>
<context>
    <name>TFormZugma</name>
    <message>
        <source>Querhaupt fährt hoch und führt die Probe in die obere Einspannung</source>
        <translation>The crosshead rises and brings the specimen into the upper grip</translation>
    </message>
    <message>
        <source>Probe eingespannt: das Querhaupt fährt abwärts und zieht die Probe in die Länge</source>
        <translation>Specimen gripped: the crosshead moves down and stretches the specimen</translation>
    </message>
    <message>
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
        <source>Zugversuch nach DIN EN 10002: Zugprüfmaschine (schematisch)</source>
        <extracomment>Window title</extracomment>
        <translation>Tensile test to DIN EN 10002: tensile testing machine (schematic)</translation>
    </message>
    <message>
        <source>&amp;Ende</source>
        <extracomment>Menu item that closes the window; access key after &amp;</extracomment>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>&amp;Start bewegliches Querhaupt</source>
        <extracomment>Menu item: the moving crosshead starts to pull the specimen; access key after &amp;</extracomment>
        <translation>&amp;Start moving crosshead</translation>
    </message>
    <message>
        <source>&amp;Neu</source>
        <extracomment>Menu item: puts a new specimen into the machine; access key after &amp;</extracomment>
        <translation>&amp;New</translation>
    </message>
    <message>
        <source>Zugprüfmaschine (schematisch)</source>
        <extracomment>Accessible name of the machine drawing</extracomment>
        <translation>Tensile testing machine (schematic)</translation>
    </message>
    <message>
        <source>Maschinenrahmen, Gewindestangen, bewegliches Querhaupt und Probe in den Spannbacken</source>
        <extracomment>Accessible description of the machine drawing</extracomment>
        <translation>Machine frame, threaded spindles, moving crosshead and specimen in the grips</translation>
    </message>
    <message>
        <source>ESC = Abbruch</source>
        <extracomment>Status bar: Escape closes the window</extracomment>
        <translation>ESC = Cancel</translation>
    </message>
    <message>
        <source>Probe gerissen</source>
        <extracomment>Announced to screen readers when the specimen has broken</extracomment>
        <translation>Specimen broken</translation>
    </message>
</context>
<context>
    <name>TableSyntax</name>
    <message>
        <source>Semikolon</source>
        <extracomment>Names of the field separator a table file uses: items of a choice box</extracomment>
        <translation>Semicolon</translation>
    </message>
    <message>
        <source>Tabulator</source>
        <translation>Tab</translation>
    </message>
    <message>
        <source>Komma</source>
        <translation>Comma</translation>
    </message>
    <message>
        <source>Leerzeichen</source>
        <translation>Blanks</translation>
    </message>
    <message>
        <source>Dezimalkomma</source>
        <extracomment>Names of the decimal mark a table file uses: items of a choice box, also quoted in a message</extracomment>
        <translation>Decimal comma</translation>
    </message>
    <message>
        <source>Dezimalpunkt</source>
        <translation>Decimal point</translation>
    </message>
</context>
<context>
    <name>TensileEvaluation</name>
    <message>
        <source>aus der gemessenen Länge Lu nach dem Bruch</source>
        <translation>from the length Lu measured after fracture</translation>
    </message>
    <message>
        <source>du oder Su nach dem Bruch ist nicht angegeben.</source>
        <translation>du or Su after fracture is not given.</translation>
    </message>
    <message>
        <source>Su nach dem Bruch ist nicht angegeben.</source>
        <translation>Su after fracture is not given.</translation>
    </message>
    <message>
        <source>zwischen %1 und %2 MPa (%3 % bis %4 % der Höchstspannung)</source>
        <extracomment>Fills %2 of &quot;Only %1 measured points lie %2&quot; and %1 of &quot;The stress does not rise %1&quot;: the stress range of the elastic line</extracomment>
        <translation>between %1 and %2 MPa (%3 % to %4 % of the maximum stress)</translation>
    </message>
    <message>
        <source>Nur %1 Messpunkte liegen %2; für die Gerade werden mindestens %3 gebraucht.</source>
        <translation>Only %1 measured points lie %2; the line needs at least %3.</translation>
    </message>
    <message>
        <source>Die Spannung steigt %1 nicht mit der Dehnung an.</source>
        <translation>The stress does not rise with the strain %1.</translation>
    </message>
    <message>
        <source>Die Kurve erreicht vor dem Bruch keine plastische Dehnung von 0,2 %.</source>
        <translation>The curve reaches no plastic strain of 0.2 % before fracture.</translation>
    </message>
    <message>
        <source>Der Bereich der Hookeschen Geraden muss zwischen 0 % und 100 % der Höchstspannung liegen, die untere Grenze unter der oberen.</source>
        <translation>The range of the elastic line must lie between 0 % and 100 % of the maximum stress, the lower limit below the upper.</translation>
    </message>
    <message>
        <source>Der Kraftabfall, der als Bruch gilt, muss zwischen 0 % und 100 % von Fm liegen.</source>
        <translation>The drop of force that counts as fracture must lie between 0 % and 100 % of Fm.</translation>
    </message>
    <message>
        <source>Der Kraftabfall beim Bruch braucht mindestens einen Messpunkt.</source>
        <translation>The drop of force at fracture needs at least one measured point.</translation>
    </message>
    <message>
        <source>Fm ist nicht angegeben.</source>
        <translation>Fm is not given.</translation>
    </message>
    <message>
        <source>Ohne Messkurve wird A aus Lu bestimmt; Lu ist nicht angegeben.</source>
        <translation>Without a measured curve, A is determined from Lu; Lu is not given.</translation>
    </message>
    <message>
        <source>Ohne Messkurve nicht bestimmbar.</source>
        <translation>Cannot be determined without a measured curve.</translation>
    </message>
    <message>
        <source>%1 enthält nur %2 Messpunkte; ausgewertet werden Kurven ab %3 Punkten.</source>
        <translation>%1 contains only %2 measured points; curves are evaluated from %3 points on.</translation>
    </message>
    <message>
        <source>In %1 steigt die Kraft nicht an: die größte Kraft liegt nicht merklich über der ersten.</source>
        <translation>In %1 the force does not rise: the largest force is not noticeably above the first.</translation>
    </message>
    <message>
        <source>%1: die Verlängerung läuft rückwärts (von %2 % auf %3 % Dehnung).</source>
        <translation>%1: the extension runs backwards (from %2 % to %3 % strain).</translation>
    </message>
    <message>
        <source>In %1 nimmt die Verlängerung nicht zu.</source>
        <translation>In %1 the extension does not increase.</translation>
    </message>
    <message>
        <source>aus dem Traversenweg: die Maschine federt mit, mE ist daher deutlich kleiner als der Elastizitätsmodul.</source>
        <translation>from the crosshead displacement: the machine deflects as well, so mE is clearly smaller than the modulus of elasticity.</translation>
    </message>
    <message>
        <source>mE ist nicht bestimmt: %1</source>
        <translation>mE is not determined: %1</translation>
    </message>
    <message>
        <source>Der Werkstoff hat eine ausgeprägte Streckgrenze; bestimmt werden ReH und ReL.</source>
        <translation>The material has a distinct yield point; ReH and ReL are determined.</translation>
    </message>
    <message>
        <source>Kein ausgeprägtes Fließen: der Übergang in den plastischen Bereich ist stetig.</source>
        <translation>No distinct yielding: the transition to the plastic range is continuous.</translation>
    </message>
    <message>
        <source>Nach dem Fließen verfestigt der Werkstoff nicht; eine Höchstkraft Fm ist dann nicht definiert.</source>
        <translation>After yielding, the material does not work-harden; a maximum force Fm is then not defined.</translation>
    </message>
    <message>
        <source>aus der Spannung in der Datei und S0 berechnet</source>
        <translation>calculated from the stress in the file and S0</translation>
    </message>
    <message>
        <source>aus dem Traversenweg: nicht normgerecht, die Messlänge L0 wurde nicht gemessen.</source>
        <translation>from the crosshead displacement: not to the standard, the gauge length L0 was not measured.</translation>
    </message>
    <message>
        <source>aus der Kurve über Le = %1 mm, nicht über L0 = %2 mm gemessen.</source>
        <translation>from the curve, measured over Le = %1 mm, not over L0 = %2 mm.</translation>
    </message>
    <message>
        <source>aus der Kurve: At ohne den elastischen Anteil beim Bruch</source>
        <translation>from the curve: At without the elastic part at fracture</translation>
    </message>
    <message>
        <source>Kein Bruch erkannt: die Kraft fällt nach der Höchstkraft nirgends um mehr als %1 % von Fm innerhalb von %2 Messpunkten.</source>
        <translation>No fracture found: after the maximum force, the force nowhere drops by more than %1 % of Fm within %2 measured points.</translation>
    </message>
    <message>
        <source>aus dem Traversenweg</source>
        <translation>from the crosshead displacement</translation>
    </message>
</context>
<context>
    <name>TensileQuantity</name>
    <message>
        <source>Steigung des elastischen Bereichs</source>
        <translation>Slope of the elastic part</translation>
    </message>
    <message>
        <source>Steigung der Hookeschen Geraden im Spannungs-Dehnungs-Diagramm, durch lineare Regression über einen einstellbaren Spannungsbereich (üblich: 10 % bis 40 % von Rm) bestimmt. Mit einem Feindehnungsaufnehmer gemessen liegt sie nahe am Elastizitätsmodul; aus dem Traversenweg ist sie deutlich kleiner, weil die Maschine sich mit verformt. Sie dient vor allem dazu, den elastischen Anteil der Dehnung abzuziehen.</source>
        <translation>Slope of the elastic line in the stress–strain diagram, determined by linear regression over an adjustable stress range (usually 10 % to 40 % of Rm). Measured with an extensometer, it lies close to the modulus of elasticity; from the crosshead displacement it is clearly smaller, because the machine deforms as well. It serves above all to subtract the elastic part of the strain.</translation>
    </message>
    <message>
        <source>obere Streckgrenze</source>
        <translation>upper yield strength</translation>
    </message>
    <message>
        <source>Spannung im Augenblick des ersten merklichen Kraftabfalls bei Werkstoffen mit ausgeprägter Streckgrenze: der höchste Wert vor dem Abfall, ReH = FeH / S0.</source>
        <translation>Stress at the moment of the first noticeable drop of force in materials with a distinct yield point: the highest value before the drop, ReH = FeH / S0.</translation>
    </message>
    <message>
        <source>untere Streckgrenze</source>
        <translation>lower yield strength</translation>
    </message>
    <message>
        <source>Kleinste Spannung während des Fließens (Lüdersdehnung) bei Werkstoffen mit ausgeprägter Streckgrenze; ein erster Einschwingvorgang gleich nach dem Kraftabfall bleibt unberücksichtigt. ReL = FeL / S0.</source>
        <translation>Lowest stress during yielding (Lüders strain) in materials with a distinct yield point; an initial transient effect right after the drop of force is disregarded. ReL = FeL / S0.</translation>
    </message>
    <message>
        <source>0,2 %-Dehngrenze</source>
        <translation>0.2 % proof strength</translation>
    </message>
    <message>
        <source>Spannung, bei der die nicht proportionale (plastische) Dehnung 0,2 % der Messlänge erreicht: Schnittpunkt der Kurve mit einer Parallelen zur Hookeschen Geraden, um 0,2 % Dehnung verschoben. Sie wird bei stetigem Übergang vom elastischen in den plastischen Bereich bestimmt.</source>
        <translation>Stress at which the non-proportional (plastic) extension reaches 0.2 % of the gauge length: intersection of the curve with a parallel to the elastic line, offset by 0.2 % strain. It is determined where the transition from the elastic to the plastic range is continuous.</translation>
    </message>
    <message>
        <source>Höchstkraft</source>
        <translation>maximum force</translation>
    </message>
    <message>
        <source>Größte Kraft, die die Probe im Versuch nach Beginn der Verfestigung erträgt. Bei Werkstoffen mit ausgeprägter Streckgrenze zählt die Kraft nach dem Fließbereich.</source>
        <translation>Largest force the specimen withstands in the test after work hardening has begun. In materials with a distinct yield point, the force after the yielding range counts.</translation>
    </message>
    <message>
        <source>Zugfestigkeit</source>
        <translation>tensile strength</translation>
    </message>
    <message>
        <source>Spannung bei der Höchstkraft, bezogen auf den Anfangsquerschnitt: Rm = Fm / S0.</source>
        <translation>Stress at the maximum force, related to the original cross-section: Rm = Fm / S0.</translation>
    </message>
    <message>
        <source>plastische Dehnung bei Höchstkraft (Gleichmaßdehnung)</source>
        <translation>plastic extension at maximum force (uniform elongation)</translation>
    </message>
    <message>
        <source>Bleibende Dehnung bei der Höchstkraft, bezogen auf die Messlänge des Dehnungsaufnehmers: die Gesamtdehnung Agt ohne den elastischen Anteil Rm / mE. Bei einem flachen Maximum gilt die Mitte des Plateaus. Bis hierher verformt sich die Probe gleichmäßig, danach schnürt sie ein.</source>
        <translation>Permanent extension at the maximum force, related to the extensometer gauge length: the total extension Agt without the elastic part Rm / mE. For a flat maximum, the middle of the plateau counts. Up to this point the specimen deforms uniformly; after it, it necks.</translation>
    </message>
    <message>
        <source>Gesamtdehnung bei Höchstkraft</source>
        <translation>total extension at maximum force</translation>
    </message>
    <message>
        <source>Elastische und plastische Dehnung zusammen bei der Höchstkraft, bezogen auf die Messlänge des Dehnungsaufnehmers.</source>
        <translation>Elastic and plastic extension together at the maximum force, related to the extensometer gauge length.</translation>
    </message>
    <message>
        <source>Gesamtdehnung beim Bruch</source>
        <translation>total extension at fracture</translation>
    </message>
    <message>
        <source>Elastische und plastische Dehnung zusammen im Augenblick des Bruchs, bezogen auf die Messlänge des Dehnungsaufnehmers. Als Bruch gilt der letzte Messpunkt, bevor die Kraft jäh abfällt.</source>
        <translation>Elastic and plastic extension together at the moment of fracture, related to the extensometer gauge length. Fracture is the last measured point before the force drops abruptly.</translation>
    </message>
    <message>
        <source>Bruchdehnung</source>
        <translation>percentage elongation after fracture</translation>
    </message>
    <message>
        <source>Bleibende Verlängerung der Messlänge nach dem Bruch, bezogen auf die Anfangsmesslänge: A = (Lu − L0) / L0 · 100 %. Ohne gemessenes Lu aus der Kurve: At ohne den elastischen Anteil beim Bruch (Bruchspannung / mE). Ohne Zusatz gilt A für den kurzen Proportionalstab (L0 = 5,65 · √S0), A11,3 für den langen (L0 = 11,3 · √S0); bei anderen Messlängen steht die Länge am Zeichen (A80mm). Aus dem Traversenweg ermittelt ist A nicht normgerecht.</source>
        <translation>Permanent elongation of the gauge length after fracture, related to the original gauge length: A = (Lu − L0) / L0 · 100 %. Without a measured Lu, from the curve: At without the elastic part at fracture (fracture stress / mE). Without a suffix, A applies to the short proportional test piece (L0 = 5.65 · √S0), A11,3 to the long one (L0 = 11.3 · √S0); for other gauge lengths the length is added to the symbol (A80mm). Determined from the crosshead displacement, A is not to the standard.</translation>
    </message>
    <message>
        <source>Brucheinschnürung</source>
        <translation>reduction of area</translation>
    </message>
    <message>
        <source>Größte bleibende Querschnittsänderung nach dem Bruch, bezogen auf den Anfangsquerschnitt: Z = (S0 − Su) / S0 · 100 %.</source>
        <translation>Maximum permanent change of cross-section after fracture, related to the original cross-section: Z = (S0 − Su) / S0 · 100 %.</translation>
    </message>
</context>
<context>
    <name>TensileSeries</name>
    <message>
        <source>Keine Probe ist eingeschaltet.</source>
        <translation>No specimen is switched on.</translation>
    </message>
    <message>
        <source>Bei keiner Probe bestimmt.</source>
        <translation>Determined for no specimen.</translation>
    </message>
    <message>
        <source>Die Proben haben verschiedene Messlängen (%1); ihre Bruchdehnungen sind nicht vergleichbar.</source>
        <extracomment>%1 lists the symbols of the elongations, e.g. &quot;A, A80mm&quot;</extracomment>
        <translation>The specimens have different gauge lengths (%1); their elongations after fracture are not comparable.</translation>
    </message>
    <message>
        <source>Für eine Standardabweichung sind mindestens zwei Werte nötig.</source>
        <translation>A standard deviation needs at least two values.</translation>
    </message>
    <message>
        <source>aus %1 von %2 Proben</source>
        <extracomment>Note to a mean value of a series: from %1 of the %2 specimens included</extracomment>
        <translation>from %1 of %2 specimens</translation>
    </message>
    <message>
        <source>enthält Werte, die nicht normgerecht ermittelt wurden</source>
        <translation>contains values not determined to the standard</translation>
    </message>
</context>
<context>
    <name>TensileSeriesFile</name>
    <message>
        <source>%1: „%2“ hat den unbekannten Wert „%3“.</source>
        <translation>%1: “%2” has the unknown value “%3”.</translation>
    </message>
    <message>
        <source>%1: „%2“ ist keine ganze Zahl.</source>
        <translation>%1: “%2” is not an integer.</translation>
    </message>
    <message>
        <source>%1: die Messwerte „%2“ sind beschädigt.</source>
        <translation>%1: the measured values “%2” are damaged.</translation>
    </message>
    <message>
        <source>%1: die Messwerte haben eine unbekannte Kodierung.</source>
        <translation>%1: the measured values have an unknown encoding.</translation>
    </message>
    <message>
        <source>%1: die Zahl der Messpunkte fehlt.</source>
        <translation>%1: the number of measured points is missing.</translation>
    </message>
    <message>
        <source>%1: das Dateiformat der Messdatei ist unvollständig.</source>
        <translation>%1: the format of the machine file is incomplete.</translation>
    </message>
    <message>
        <source>%1: die Messdatei %2 ist nicht zu finden; die Probe bleibt ohne Kurve.</source>
        <translation>%1: the machine file %2 cannot be found; the specimen stays without a curve.</translation>
    </message>
    <message>
        <source>%1: die Messdatei %2 hat sich seit dem Speichern geändert.</source>
        <translation>%1: the machine file %2 has changed since it was saved.</translation>
    </message>
    <message>
        <source>%1: %2 Die Probe bleibt ohne Kurve.</source>
        <extracomment>%1 the specimen, %2 the message why its machine file could not be read (a whole sentence)</extracomment>
        <translation>%1: %2 The specimen stays without a curve.</translation>
    </message>
</context>
<context>
    <name>TransitionCurve</name>
    <message>
        <source>Alle Punkte liegen auf der Seite der Tieflage: die Mitte des Übergangs läge über der höchsten Prüftemperatur. Es fehlen Punkte bei höheren Temperaturen.</source>
        <translation>All points lie on the side of the lower shelf: the middle of the transition would lie above the highest test temperature. Points at higher temperatures are missing.</translation>
    </message>
    <message>
        <source>Alle Punkte liegen auf der Seite der Hochlage: die Mitte des Übergangs läge unter der tiefsten Prüftemperatur. Es fehlen Punkte bei tieferen Temperaturen.</source>
        <translation>All points lie on the side of the upper shelf: the middle of the transition would lie below the lowest test temperature. Points at lower temperatures are missing.</translation>
    </message>
    <message>
        <source>Kein Punkt liegt im Übergangsbereich: die Punkte liegen auf der Hoch- oder der Tieflage, der Verlauf dazwischen ist nicht belegt.</source>
        <translation>No point lies in the transition region: the points lie on the upper or the lower shelf; the course in between is not covered.</translation>
    </message>
    <message>
        <source>Kein Punkt liegt auf der Tieflage: auch bei der tiefsten Prüftemperatur sind die Proben noch im Übergang, die Tieflage wäre geraten. Es fehlen Punkte bei tieferen Temperaturen, oder die Tieflage wird festgelegt.</source>
        <translation>No point lies on the lower shelf: even at the lowest test temperature the specimens are still in the transition, so the lower shelf would be a guess. Points at lower temperatures are missing, or the lower shelf is to be fixed.</translation>
    </message>
    <message>
        <source>Kein Punkt liegt auf der Hochlage: auch bei der höchsten Prüftemperatur sind die Proben noch im Übergang, die Hochlage wäre geraten. Es fehlen Punkte bei höheren Temperaturen, oder die Hochlage wird festgelegt.</source>
        <translation>No point lies on the upper shelf: even at the highest test temperature the specimens are still in the transition, so the upper shelf would be a guess. Points at higher temperatures are missing, or the upper shelf is to be fixed.</translation>
    </message>
    <message>
        <source>Die Werte fallen mit steigender Temperatur; eine Übergangskurve steigt von der Tieflage zur Hochlage.</source>
        <translation>The values fall as the temperature rises; a transition curve rises from the lower shelf to the upper shelf.</translation>
    </message>
    <message>
        <source>Die festgelegte Tief- oder Hochlage passt nicht zu den Punkten.</source>
        <translation>The fixed lower or upper shelf does not match the points.</translation>
    </message>
    <message>
        <source>Die Punkte bestimmen die Parameter der Kurve nicht; es fehlen Punkte bei verschiedenen Temperaturen im Übergang.</source>
        <translation>The points do not determine the parameters of the curve; points at different temperatures in the transition are missing.</translation>
    </message>
    <message>
        <source>%1 %2 liegt nicht über der Tieflage der Kurve (%3 %2).</source>
        <extracomment>%1 a value asked for (27), %2 its unit (J or %), %3 the lower shelf of the fitted curve</extracomment>
        <translation>%1 %2 does not lie above the curve’s lower shelf (%3 %2).</translation>
    </message>
    <message>
        <source>%1 %2 liegt nicht unter der Hochlage der Kurve (%3 %2).</source>
        <extracomment>%1 a value asked for (27), %2 its unit (J or %), %3 the upper shelf of the fitted curve</extracomment>
        <translation>%1 %2 does not lie below the curve’s upper shelf (%3 %2).</translation>
    </message>
    <message>
        <source>%1 %2 liegt zu nahe an einer Lage der Kurve, um eine Temperatur abzulesen.</source>
        <translation>%1 %2 lies too close to a shelf of the curve to read a temperature.</translation>
    </message>
    <message>
        <source>Ein Punkt der Reihe hat keinen gültigen Zahlenwert.</source>
        <translation>A point of the series has no valid number.</translation>
    </message>
    <message>
        <source>Die festgelegte Tieflage (%1 %3) muss unter der festgelegten Hochlage (%2 %3) liegen.</source>
        <translation>The fixed lower shelf (%1 %3) must lie below the fixed upper shelf (%2 %3).</translation>
    </message>
    <message>
        <source>Zu wenige Punkte: die Kurve hat %1 freie Parameter und braucht mindestens %2 Punkte, damit ihre Streuung bestimmt werden kann (vorhanden: %3).</source>
        <translation>Too few points: the curve has %1 free parameters and needs at least %2 points for its scatter to be determined (present: %3).</translation>
    </message>
    <message>
        <source>Alle Punkte wurden bei derselben Temperatur geprüft; ein Übergang ist nicht zu erkennen.</source>
        <translation>All points were tested at the same temperature; no transition can be seen.</translation>
    </message>
    <message>
        <source>Alle Punkte liegen auf einer Lage: die Kurve beschreibt sie nicht besser als ihr Mittelwert, ein Übergang ist nicht zu erkennen.</source>
        <translation>All points lie on one shelf: the curve describes them no better than their mean; no transition can be seen.</translation>
    </message>
    <message>
        <source>Die Punkte zeigen keinen Übergang zwischen zwei Lagen: sie ändern sich über die geprüften Temperaturen nur allmählich oder erreichen eine der Lagen nicht. Es fehlen Punkte auf der Tief- oder der Hochlage.</source>
        <translation>The points show no transition between two shelves: they change only gradually over the temperatures tested, or do not reach one of the shelves. Points on the lower or the upper shelf are missing.</translation>
    </message>
    <message>
        <source>Die Anpassung der Übergangskurve konvergiert nicht; die Punkte folgen keinem Übergang von einer Tieflage zu einer Hochlage.</source>
        <translation>The fit of the transition curve does not converge; the points follow no transition from a lower shelf to an upper shelf.</translation>
    </message>
</context>
<context>
    <name>TransitionDiagram</name>
    <message>
        <source>Prüftemperatur T in °C</source>
        <translation>Test temperature T in °C</translation>
    </message>
    <message>
        <source> Tieflage </source>
        <translation> Lower shelf </translation>
    </message>
    <message>
        <source> Übergang </source>
        <translation> Transition </translation>
    </message>
    <message>
        <source> Hochlage </source>
        <translation> Upper shelf </translation>
    </message>
    <message>
        <source>Keine Übergangskurve</source>
        <translation>No transition curve</translation>
    </message>
    <message>
        <source>Noch keine Messwerte</source>
        <translation>No measurements yet</translation>
    </message>
    <message>
        <source>Die Messwerte in die Tabelle eingeben oder aus einer Datei einlesen.</source>
        <translation>Enter the measurements in the table or read them from a file.</translation>
    </message>
</context>
<context>
    <name>WoehlerAnalysis</name>
    <message>
        <source>Eine Probe hat keine gültige Spannungsamplitude oder Schwingspielzahl.</source>
        <translation>A specimen has no valid stress amplitude or number of cycles.</translation>
    </message>
    <message>
        <source>Zu wenige Brüche außerhalb der Treppenstufenfolge: die Zeitfestigkeitsgerade braucht mindestens 3, damit ihre Streuung bestimmt werden kann (vorhanden: %1).</source>
        <translation>Too few fractures outside the staircase: the finite-life line needs at least 3 for its scatter to be determined (present: %1).</translation>
    </message>
    <message>
        <source>Alle Brüche liegen auf einer Spannungsamplitude; die Neigung der Zeitfestigkeitsgeraden ist nicht bestimmt. Es fehlen Brüche auf weiteren Laststufen.</source>
        <translation>All fractures lie at one stress amplitude; the slope of the finite-life line is not determined. Fractures at further load levels are missing.</translation>
    </message>
    <message>
        <source>Die Spannungsamplituden liegen zu dicht beieinander, um eine Neigung zu bestimmen.</source>
        <translation>The stress amplitudes lie too close together to determine a slope.</translation>
    </message>
    <message>
        <source>Die Schwingspielzahl fällt nicht mit steigender Spannungsamplitude; eine Zeitfestigkeitsgerade lässt sich nicht angeben.</source>
        <translation>The number of cycles does not fall as the stress amplitude rises; no finite-life line can be given.</translation>
    </message>
</context>
<context>
    <name>WoehlerDiagram</name>
    <message>
        <source>Bruch</source>
        <translation>Fracture</translation>
    </message>
    <message>
        <source>Durchläufer</source>
        <translation>Run-out</translation>
    </message>
    <message>
        <source>Treppenstufenfolge</source>
        <translation>Staircase series</translation>
    </message>
    <message>
        <source>Schwingspielzahl N</source>
        <translation>Number of cycles N</translation>
    </message>
    <message>
        <source>Spannungsamplitude σa in MPa</source>
        <translation>Stress amplitude σa in MPa</translation>
    </message>
    <message>
        <source> P = 10% </source>
        <translation> P = 10% </translation>
    </message>
    <message>
        <source> P = 50% </source>
        <translation> P = 50% </translation>
    </message>
    <message>
        <source> P = 90% </source>
        <translation> P = 90% </translation>
    </message>
    <message>
        <source>Noch keine Versuchsergebnisse</source>
        <translation>No test results yet</translation>
    </message>
    <message>
        <source>Die Ergebnisse in die Tabelle eingeben oder aus einer Datei einlesen.</source>
        <translation>Enter the results in the table or read them from a file.</translation>
    </message>
    <message>
        <source>Keine Wöhlerlinie</source>
        <translation>No S–N curve</translation>
    </message>
</context>
<context>
    <name>app::CommandLine</name>
    <message>
        <source>Zeigt diese Hilfe an und beendet das Programm.</source>
        <translation>Shows this help and ends the program.</translation>
    </message>
    <message>
        <source>Zeigt die Versionsnummer an und beendet das Programm.</source>
        <translation>Shows the version number and ends the program.</translation>
    </message>
    <message>
        <source>Aufruf: %1 [Optionen]</source>
        <translation>Usage: %1 [options]</translation>
    </message>
    <message>
        <source>Lernprogramm zur Ermittlung von Werkstoffkennwerten: Härteprüfung nach
Brinell, Vickers und Rockwell, Zugversuch, Kerbschlagbiegeversuch und
Dauerschwingversuch.</source>
        <translation>Teaching program on the determination of material properties: hardness
testing after Brinell, Vickers and Rockwell, tensile test, notched-bar
impact test and fatigue test.</translation>
    </message>
    <message>
        <source>Optionen:</source>
        <translation>Options:</translation>
    </message>
    <message>
        <source>Auswertung eigener Messwerte ohne Fenster:
  %1 --evaluate tensile DATEI... --d0 10 --L0 50
  %1 --evaluate impact DATEI...
  %1 --evaluate fatigue DATEI...
Die Optionen jeder Auswertung nennt: %1 --evaluate tensile --help</source>
        <translation>Evaluation of one&apos;s own measurements, without a window:
  %1 --evaluate tensile FILE... --d0 10 --L0 50
  %1 --evaluate impact FILE...
  %1 --evaluate fatigue FILE...
The options of each evaluation: %1 --evaluate tensile --help</translation>
    </message>
    <message>
        <source>Dazu versteht das Programm die Optionen von Qt,
etwa -platform, -style und -reverse.</source>
        <translation>The program also understands Qt&apos;s options,
such as -platform, -style and -reverse.</translation>
    </message>
    <message>
        <source>Die Optionen nennt: %1 --help</source>
        <translation>The options: %1 --help</translation>
    </message>
    <message>
        <source>Unbekannte Option: %1</source>
        <translation>Unknown option: %1</translation>
    </message>
    <message>
        <source>Nach %1 fehlt der Wert.</source>
        <translation>%1 needs a value.</translation>
    </message>
    <message>
        <source>%1 nimmt keinen Wert.</source>
        <translation>%1 takes no value.</translation>
    </message>
    <message>
        <source>Unerwartetes Argument: %1</source>
        <translation>Unexpected argument: %1</translation>
    </message>
    <message>
        <source>Sprache der Oberfläche: de (Deutsch) oder en (Englisch).</source>
        <extracomment>--help: the option that chooses the interface language</extracomment>
        <translation>Language of the interface: de (German) or en (English).</translation>
    </message>
    <message>
        <source>Sprache</source>
        <extracomment>--help: the value of --lang, written as &lt;Sprache&gt;; one word</extracomment>
        <translation>language</translation>
    </message>
    <message>
        <source>Unbekannte Sprache für --lang: %1 (möglich: de, en)</source>
        <extracomment>Command line: %1 is the value given to --lang</extracomment>
        <translation>Unknown language for --lang: %1 (possible: de, en)</translation>
    </message>
</context>
<context>
    <name>app::Overview</name>
    <message>
        <source>Zugversuch</source>
        <extracomment>Overview, heading of a box, about 16 characters</extracomment>
        <translation>Tensile test</translation>
    </message>
    <message>
        <source>Härteprüfung</source>
        <extracomment>Overview, heading of a box, about 16 characters</extracomment>
        <translation>Hardness test</translation>
    </message>
    <message>
        <source>Dauerschwingversuch</source>
        <extracomment>Overview, heading of a box, about 16 characters</extracomment>
        <translation>Fatigue test</translation>
    </message>
    <message>
        <source>Werkstoffkennwerte:</source>
        <extracomment>Overview: a list of material properties follows; the texts of a box have about 20 characters</extracomment>
        <translation>Material properties:</translation>
    </message>
    <message>
        <source>Zugfestigkeit</source>
        <translation>Tensile strength</translation>
    </message>
    <message>
        <source>Streckgrenze</source>
        <translation>Yield strength</translation>
    </message>
    <message>
        <source>0.2%-Dehngrenze</source>
        <translation>0.2% proof strength</translation>
    </message>
    <message>
        <source>Bruchdehnung</source>
        <translation>Elongation at fracture</translation>
    </message>
    <message>
        <source>Brucheinschnürung</source>
        <translation>Reduction of area</translation>
    </message>
    <message>
        <source>Elastizitätsmodul</source>
        <translation>Modulus of elasticity</translation>
    </message>
    <message>
        <source>Härteprüfung nach Brinell</source>
        <translation>Brinell hardness test</translation>
    </message>
    <message>
        <source>Härteprüfung nach Rockwell</source>
        <translation>Rockwell hardness test</translation>
    </message>
    <message>
        <source>Härteprüfung nach Vickers</source>
        <translation>Vickers hardness test</translation>
    </message>
    <message>
        <source>Werkstoffkennwert: Härte</source>
        <translation>Property: hardness</translation>
    </message>
    <message>
        <source>Werkstoffkennwert:</source>
        <extracomment>Overview, impact box: &quot;Werkstoffkennwert:&quot; followed by &quot;Zähigkeit&quot; on the next line</extracomment>
        <translation>Property:</translation>
    </message>
    <message>
        <source>Zähigkeit</source>
        <translation>Toughness</translation>
    </message>
    <message>
        <source>Normbezeichnungen und zu ermittelnde Werkstoffkennwerte|der hier behandelten Werkstoffprüfverfahren </source>
        <extracomment>Overview, the caption below the boxes on two lines of about 50 characters; | marks the line break</extracomment>
        <translation>Standard designations and material properties|of the testing methods covered here</translation>
    </message>
    <message>
        <source>Kerbschlagbiege-|versuch</source>
        <extracomment>Overview, heading of a box drawn on two lines of about 16 characters each; | marks the line break</extracomment>
        <translation>Notched-bar|impact test</translation>
    </message>
    <message>
        <source>Ermittlung der|Dauerfestigkeit</source>
        <extracomment>Overview, fatigue box: two lines of about 20 characters; | marks the line break</extracomment>
        <translation>Determination of the|endurance limit</translation>
    </message>
</context>
<context>
    <name>app::Program</name>
    <message>
        <source>Mechanische Werkstoffprüfung</source>
        <extracomment>The program&apos;s name: caption of the error box</extracomment>
        <translation>Mechanical Testing of Materials</translation>
    </message>
    <message>
        <source>Die Auswertung ist nicht möglich: %1</source>
        <extracomment>Where the evaluation&apos;s library cannot be loaded (a damaged installation); %1 says why</extracomment>
        <translation>The evaluation is not possible: %1</translation>
    </message>
</context>
<context>
    <name>evaluation::windows::EvaluationWindow</name>
    <message>
        <source>Versuchsreihen (*.%1);;Alle Dateien (*)</source>
        <translation>Test series (*.%1);;All files (*)</translation>
    </message>
    <message>
        <source>&amp;Datei</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Neu</source>
        <translation>&amp;New</translation>
    </message>
    <message>
        <source>Ö&amp;ffnen …</source>
        <translation>&amp;Open …</translation>
    </message>
    <message>
        <source>&amp;Speichern</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>Speichern &amp;unter …</source>
        <translation>Save &amp;As …</translation>
    </message>
    <message>
        <source>S&amp;chließen</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>&amp;Bearbeiten</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>Ergebnistabelle &amp;kopieren</source>
        <translation>&amp;Copy Results Table</translation>
    </message>
    <message>
        <source>Öffnen nicht möglich</source>
        <translation>Cannot Open</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Geöffnet, mit Hinweisen</source>
        <translation>Opened, with remarks</translation>
    </message>
    <message>
        <source>Speichern nicht möglich</source>
        <translation>Cannot Save</translation>
    </message>
    <message>
        <source>Gespeichert: %1</source>
        <translation>Saved: %1</translation>
    </message>
    <message>
        <source>Wiederherstellen nicht möglich</source>
        <translation>Cannot Restore</translation>
    </message>
    <message>
        <source>Wiederhergestellt, mit Hinweisen</source>
        <translation>Restored, with remarks</translation>
    </message>
    <message>
        <source>Automatisch gesichert</source>
        <translation>Saved automatically</translation>
    </message>
    <message>
        <source>Ungesicherte Änderungen werden bei jeder Änderung in %1 gesichert und beim nächsten Start zur Wiederherstellung angeboten.</source>
        <translation>Unsaved changes are backed up to %1 after every change and offered for restoring at the next start.</translation>
    </message>
    <message>
        <source>Automatische Sicherung fehlgeschlagen</source>
        <translation>Automatic backup failed</translation>
    </message>
    <message>
        <source>Neue Versuchsreihe</source>
        <translation>New test series</translation>
    </message>
    <message>
        <source>%1[*] – %2</source>
        <translation>%1[*] – %2</translation>
    </message>
    <message>
        <source>Versuchsreihe öffnen</source>
        <translation>Open Test Series</translation>
    </message>
    <message>
        <source>Versuchsreihe speichern</source>
        <translation>Save Test Series</translation>
    </message>
    <message>
        <source>Die Ergebnistabelle ist in der Zwischenablage.</source>
        <translation>The results table is on the clipboard.</translation>
    </message>
    <message>
        <source>Die Versuchsreihe „%1“ hat ungesicherte Änderungen. Sollen sie gespeichert werden?</source>
        <translation>The test series “%1” has unsaved changes. Do you want to save them?</translation>
    </message>
    <message>
        <source>&amp;Verwerfen</source>
        <translation>&amp;Discard</translation>
    </message>
    <message>
        <source>&amp;Abbrechen</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>Zugversuch auswerten …</source>
        <translation>Evaluate Tensile Tests …</translation>
    </message>
    <message>
        <source>Kerbschlagbiegeversuch auswerten …</source>
        <translation>Evaluate Impact Tests …</translation>
    </message>
    <message>
        <source>Wöhlerversuch auswerten …</source>
        <translation>Evaluate Fatigue Tests …</translation>
    </message>
</context>
<context>
    <name>evaluation::windows::FatigueEvaluationWindow</name>
    <message>
        <source>Wöhlerversuch auswerten</source>
        <extracomment>Title of the window that evaluates a series of fatigue tests.</extracomment>
        <translation>Evaluate Fatigue Tests</translation>
    </message>
    <message>
        <source>Größe</source>
        <extracomment>Head of the first column of the results table.</extracomment>
        <translation>Quantity</translation>
    </message>
    <message>
        <source>Versuchsreihe</source>
        <extracomment>Group of the settings of a fatigue series.</extracomment>
        <translation>Test series</translation>
    </message>
    <message>
        <source>&amp;Stufenweite d:</source>
        <extracomment>The step between the levels of the staircase series.</extracomment>
        <translation>&amp;Step size d:</translation>
    </message>
    <message>
        <source>&amp;Grenzschwingspielzahl:</source>
        <extracomment>The number of cycles after which a test is stopped as a run-out.</extracomment>
        <translation>&amp;Run-out limit:</translation>
    </message>
    <message>
        <source>Eine eingelesene Tabelle ohne Spalte für Durchläufer zählt jede Probe, die diese Schwingspielzahl erreicht hat, als Durchläufer.</source>
        <translation>A table read without a run-out column counts every specimen that reached this number of cycles as a run-out.</translation>
    </message>
    <message>
        <source>ohne Angabe</source>
        <extracomment>The series was run without a stated mean stress or stress ratio.</extracomment>
        <translation>not stated</translation>
    </message>
    <message>
        <source>Mittelspannung σm</source>
        <translation>Mean stress σm</translation>
    </message>
    <message>
        <source>Spannungsverhältnis R</source>
        <translation>Stress ratio R</translation>
    </message>
    <message>
        <source>&amp;Beanspruchung:</source>
        <extracomment>Label of the mean stress or stress ratio of the series.</extracomment>
        <translation>&amp;Loading:</translation>
    </message>
    <message>
        <source>Einlesen nicht möglich</source>
        <translation>Cannot Read</translation>
    </message>
    <message>
        <source>%1 Proben aus %2 eingelesen.</source>
        <extracomment>%1 is the number of specimens, %2 the file&apos;s name.</extracomment>
        <translation>%1 specimens read from %2.</translation>
    </message>
    <message>
        <source>Wöhlerversuch: Zeitfestigkeitsgerade und Dauerfestigkeit</source>
        <translation>Fatigue test: finite-life line and fatigue limit</translation>
    </message>
    <message>
        <source>Neue Versuchsreihe</source>
        <translation>New test series</translation>
    </message>
    <message>
        <source>%1 Proben, davon %2 Durchläufer und %3 in der Treppenstufenfolge</source>
        <extracomment>%1 specimens in all, %2 of them run-outs, %3 of the staircase series.</extracomment>
        <translation>%1 specimens, of them %2 run-outs and %3 in the staircase series</translation>
    </message>
    <message>
        <source>Stufenweite d = %1 MPa</source>
        <translation>Step size d = %1 MPa</translation>
    </message>
    <message>
        <source>Grenzschwingspielzahl %1</source>
        <translation>Run-out limit %1 cycles</translation>
    </message>
    <message>
        <source>Mittelspannung σm = %1 MPa</source>
        <translation>Mean stress σm = %1 MPa</translation>
    </message>
    <message>
        <source>Spannungsverhältnis R = %1</source>
        <translation>Stress ratio R = %1</translation>
    </message>
    <message>
        <source>Linien für 10 % und 90 % Bruchwahrscheinlichkeit im Abstand ±1,2816·s in lg N (Streuung der Proben, kein Vertrauensbereich)</source>
        <extracomment>How the lines of 10 and 90 % are drawn; they describe the scatter of the specimens.</extracomment>
        <translation>Lines for 10 % and 90 % probability of fracture at ±1.2816·s in lg N (scatter of the specimens, not a confidence band)</translation>
    </message>
</context>
<context>
    <name>evaluation::windows::FatigueTableModel</name>
    <message>
        <source>Spannungs-
amplitude
σa in MPa</source>
        <extracomment>Column of the fatigue table.</extracomment>
        <translation>Stress
amplitude
σa in MPa</translation>
    </message>
    <message>
        <source>die Spannungsamplitude</source>
        <translation>the stress amplitude</translation>
    </message>
    <message>
        <source>Schwingspiel-
zahl
N</source>
        <extracomment>Column of the fatigue table; cycles to fracture, or to the end of a run-out.</extracomment>
        <translation>Number
of cycles
N</translation>
    </message>
    <message>
        <source>die Schwingspielzahl</source>
        <translation>the number of cycles</translation>
    </message>
    <message>
        <source>Durchläufer</source>
        <extracomment>Column of the fatigue table; checked for a specimen that did not break.</extracomment>
        <translation>Run-out</translation>
    </message>
    <message>
        <source>Treppenstufe</source>
        <extracomment>Column of the fatigue table; checked for a specimen of the staircase series.</extracomment>
        <translation>Staircase</translation>
    </message>
</context>
<context>
    <name>evaluation::windows::ImpactEvaluationWindow</name>
    <message>
        <source>Kerbschlagbiegeversuch auswerten</source>
        <extracomment>Title of the window that evaluates an impact series.</extracomment>
        <translation>Evaluate Impact Tests</translation>
    </message>
    <message>
        <source>Kerbschlagarbeit</source>
        <extracomment>Tab of the diagram of the absorbed energy over temperature.</extracomment>
        <translation>Absorbed energy</translation>
    </message>
    <message>
        <source>Scherbruchanteil</source>
        <extracomment>Tab of the diagram of the shear fracture percentage over temperature.</extracomment>
        <translation>Shear fracture</translation>
    </message>
    <message>
        <source>Größe</source>
        <extracomment>Head of the first column of the results table.</extracomment>
        <translation>Quantity</translation>
    </message>
    <message>
        <source>Probe und Auswertung</source>
        <extracomment>Group of the settings of an impact series.</extracomment>
        <translation>Specimen and evaluation</translation>
    </message>
    <message>
        <source>&amp;Probenform:</source>
        <translation>&amp;Specimen type:</translation>
    </message>
    <message>
        <source>&amp;Hammerfinne:</source>
        <translation>S&amp;triker:</translation>
    </message>
    <message>
        <source>&amp;Tieflage festlegen:</source>
        <extracomment>Fixes the lower shelf of the fit at the value beside it.</extracomment>
        <translation>Fix &amp;lower shelf:</translation>
    </message>
    <message>
        <source>H&amp;ochlage festlegen:</source>
        <extracomment>Fixes the upper shelf of the fit at the value beside it.</extracomment>
        <translation>Fix &amp;upper shelf:</translation>
    </message>
    <message>
        <source>Ohne Festlegung wird die Tieflage angepasst; für ISO-V-Proben aus Stahl sind 2 bis 3 J üblich.</source>
        <translation>If not fixed, the lower shelf is fitted; for ISO V-notch specimens of steel 2 to 3 J is usual.</translation>
    </message>
    <message>
        <source>Kerbschlagarbeit %1 in J</source>
        <extracomment>Title of the value axis; %1 is the energy&apos;s symbol (KV2).</extracomment>
        <translation>Absorbed energy %1 in J</translation>
    </message>
    <message>
        <source>Scherbruchanteil in %</source>
        <translation>Shear fracture in %</translation>
    </message>
    <message>
        <source>Einlesen nicht möglich</source>
        <translation>Cannot Read</translation>
    </message>
    <message>
        <source>%1 Proben aus %2 eingelesen.</source>
        <extracomment>%1 is the number of specimens, %2 the file&apos;s name.</extracomment>
        <translation>%1 specimens read from %2.</translation>
    </message>
    <message>
        <source>Kerbschlagbiegeversuch: Übergangskurve</source>
        <translation>Impact test: transition curve</translation>
    </message>
    <message>
        <source>Neue Versuchsreihe</source>
        <translation>New test series</translation>
    </message>
    <message>
        <source>Probe: %1, %2 (%3)</source>
        <extracomment>%1 is the specimen type (V-Kerb), %2 the striker, %3 the energy&apos;s symbol.</extracomment>
        <translation>Specimen: %1, %2 (%3)</translation>
    </message>
    <message>
        <source>%1 festgelegt auf %2 J</source>
        <extracomment>%1 is &quot;Tieflage&quot; or &quot;Hochlage&quot;, %2 its fixed value.</extracomment>
        <translation>%1 fixed at %2 J</translation>
    </message>
    <message>
        <source>%1 angepasst</source>
        <extracomment>%1 is &quot;Tieflage&quot; or &quot;Hochlage&quot;.</extracomment>
        <translation>%1 fitted</translation>
    </message>
    <message>
        <source>Tieflage</source>
        <translation>Lower shelf</translation>
    </message>
    <message>
        <source>Hochlage</source>
        <translation>Upper shelf</translation>
    </message>
    <message>
        <source>%1 Proben</source>
        <extracomment>%1 is the number of specimens evaluated.</extracomment>
        <translation>%1 specimens</translation>
    </message>
</context>
<context>
    <name>evaluation::windows::ImpactTableModel</name>
    <message>
        <source>Temperatur
in °C</source>
        <extracomment>Column of the impact table; the temperature the specimen was broken at.</extracomment>
        <translation>Temperature
in °C</translation>
    </message>
    <message>
        <source>die Prüftemperatur</source>
        <translation>the test temperature</translation>
    </message>
    <message>
        <source>%1
in J</source>
        <extracomment>Column of the impact table; %1 is the energy&apos;s symbol (KV2, KU8).</extracomment>
        <translation>%1
in J</translation>
    </message>
    <message>
        <source>die verbrauchte Schlagenergie</source>
        <translation>the absorbed energy</translation>
    </message>
    <message>
        <source>Scherbruch-
anteil
in %</source>
        <translation>Shear
fracture
in %</translation>
    </message>
    <message>
        <source>Laterale
Breitung
in mm</source>
        <translation>Lateral
expansion
in mm</translation>
    </message>
</context>
<context>
    <name>evaluation::windows::MachineFileImportDialog</name>
    <message>
        <source>Messdatei einlesen: %1</source>
        <translation>Read Measurement File: %1</translation>
    </message>
    <message>
        <source>Die Verlängerung ist der Traversenweg (kein Extensometer)</source>
        <translation>The extension is the crosshead travel (no extensometer)</translation>
    </message>
    <message>
        <source>&amp;Trennzeichen:</source>
        <translation>&amp;Separator:</translation>
    </message>
    <message>
        <source>&amp;Dezimalzeichen:</source>
        <translation>&amp;Decimal sign:</translation>
    </message>
    <message>
        <source>&amp;Kraft:</source>
        <translation>&amp;Force:</translation>
    </message>
    <message>
        <source>&amp;Verlängerung:</source>
        <translation>E&amp;xtension:</translation>
    </message>
    <message>
        <source>&amp;Zeit:</source>
        <translation>&amp;Time:</translation>
    </message>
    <message>
        <source>&amp;Einlesen</source>
        <translation>&amp;Read</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Die ersten Zeilen der Datei:</source>
        <translation>The first lines of the file:</translation>
    </message>
    <message>
        <source>(keine)</source>
        <translation>(none)</translation>
    </message>
    <message>
        <source>Spalte %1</source>
        <translation>Column %1</translation>
    </message>
    <message>
        <source>Spalte %1: %2</source>
        <translation>Column %1: %2</translation>
    </message>
    <message>
        <source>%1 wird gelesen …</source>
        <translation>Reading %1 …</translation>
    </message>
</context>
<context>
    <name>evaluation::windows::RecoveryOffer</name>
    <message>
        <source>Für Versuchsreihen der Art „%1“ gibt es kein Auswertungsfenster.</source>
        <translation>There is no evaluation window for test series of the kind “%1”.</translation>
    </message>
    <message>
        <source>Die gesicherte Arbeit ließ sich nicht übernehmen.</source>
        <translation>The backed-up work could not be taken over.</translation>
    </message>
    <message>
        <source>eine ungespeicherte Versuchsreihe</source>
        <translation>an unsaved test series</translation>
    </message>
    <message>
        <source>Änderungen an „%1“</source>
        <translation>changes to “%1”</translation>
    </message>
    <message>
        <source>Ungesicherte Arbeit</source>
        <translation>Unsaved Work</translation>
    </message>
    <message>
        <source>Von der letzten Sitzung ist Arbeit an der Auswertung „%1“ übrig: %2, automatisch gesichert am %3. Soll sie wiederhergestellt werden?</source>
        <extracomment>%1 is the kind of test (&quot;Zugversuch&quot;), %2 the work, %3 date and time of the autosave</extracomment>
        <translation>Work on the evaluation “%1” is left over from the last session: %2, backed up automatically on %3. Do you want to restore it?</translation>
    </message>
    <message>
        <source>&amp;Wiederherstellen</source>
        <translation>&amp;Restore</translation>
    </message>
    <message>
        <source>Die automatisch gesicherte Arbeit an der Auswertung „%1“ lässt sich nicht wiederherstellen: %2</source>
        <translation>The automatically backed-up work on the evaluation “%1” cannot be restored: %2</translation>
    </message>
    <message>
        <source>&amp;Verwerfen</source>
        <translation>&amp;Discard</translation>
    </message>
    <message>
        <source>&amp;Später</source>
        <translation>&amp;Later</translation>
    </message>
</context>
<context>
    <name>evaluation::windows::SpecimenPanel</name>
    <message>
        <source>Probe</source>
        <translation>Specimen</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>rund (d₀)</source>
        <translation>round (d₀)</translation>
    </message>
    <message>
        <source>flach (a₀ × b₀)</source>
        <translation>flat (a₀ × b₀)</translation>
    </message>
    <message>
        <source>&amp;Querschnitt:</source>
        <translation>&amp;Cross-section:</translation>
    </message>
    <message>
        <source>d₀ in mm:</source>
        <translation>d₀ in mm:</translation>
    </message>
    <message>
        <source>Anfangsdurchmesser der runden Probe</source>
        <translation>Original diameter of the round test piece</translation>
    </message>
    <message>
        <source>a₀ in mm:</source>
        <translation>a₀ in mm:</translation>
    </message>
    <message>
        <source>Anfangsdicke der Flachprobe</source>
        <translation>Original thickness of the flat test piece</translation>
    </message>
    <message>
        <source>b₀ in mm:</source>
        <translation>b₀ in mm:</translation>
    </message>
    <message>
        <source>Anfangsbreite der Flachprobe</source>
        <translation>Original width of the flat test piece</translation>
    </message>
    <message>
        <source>L₀ in mm:</source>
        <translation>L₀ in mm:</translation>
    </message>
    <message>
        <source>Anfangsmesslänge</source>
        <translation>Original gauge length</translation>
    </message>
    <message>
        <source>Lₑ in mm:</source>
        <translation>Lₑ in mm:</translation>
    </message>
    <message>
        <source>Messlänge des Extensometers, beim Traversenweg die Versuchslänge; leer: wie L₀</source>
        <translation>Extensometer gauge length, with crosshead travel the parallel length; empty: as L₀</translation>
    </message>
    <message>
        <source>Extensometer über Lₑ</source>
        <translation>Extensometer over Lₑ</translation>
    </message>
    <message>
        <source>Traversenweg</source>
        <translation>Crosshead travel</translation>
    </message>
    <message>
        <source>Womit die Verlängerung in der Datei gemessen wurde. Der Traversenweg enthält die Nachgiebigkeit der Maschine: mE wird zu klein, A ist nicht normgerecht.</source>
        <translation>What the extension in the file was measured with. The crosshead travel includes the compliance of the machine: mE comes out too small, A does not conform to the standard.</translation>
    </message>
    <message>
        <source>Verlängerung &amp;aus:</source>
        <translation>E&amp;xtension from:</translation>
    </message>
    <message>
        <source>Nach dem Bruch (optional)</source>
        <translation>After fracture (optional)</translation>
    </message>
    <message>
        <source>Lᵤ in mm:</source>
        <translation>Lᵤ in mm:</translation>
    </message>
    <message>
        <source>Messlänge nach dem Bruch: A = (Lᵤ − L₀) / L₀</source>
        <translation>Final gauge length after fracture: A = (Lᵤ − L₀) / L₀</translation>
    </message>
    <message>
        <source>dᵤ in mm:</source>
        <translation>dᵤ in mm:</translation>
    </message>
    <message>
        <source>kleinster Durchmesser nach dem Bruch (runde Probe)</source>
        <translation>smallest diameter after fracture (round test piece)</translation>
    </message>
    <message>
        <source>Sᵤ in mm²:</source>
        <translation>Sᵤ in mm²:</translation>
    </message>
    <message>
        <source>kleinster Querschnitt nach dem Bruch</source>
        <translation>smallest cross-section after fracture</translation>
    </message>
    <message>
        <source>Fₘ in kN:</source>
        <translation>Fₘ in kN:</translation>
    </message>
    <message>
        <source>Höchstkraft, für eine Probe ohne Messkurve</source>
        <translation>Maximum force, for a specimen without a measured curve</translation>
    </message>
    <message>
        <source>Auswertung</source>
        <translation>Evaluation</translation>
    </message>
    <message>
        <source>Hookesche Gerade ab % von Rₘ:</source>
        <translation>Hooke&apos;s line from % of Rₘ:</translation>
    </message>
    <message>
        <source>untere Grenze des Bereichs, über den mE angepasst wird</source>
        <translation>lower limit of the range over which mE is fitted</translation>
    </message>
    <message>
        <source>bis % von Rₘ:</source>
        <translation>to % of Rₘ:</translation>
    </message>
    <message>
        <source>obere Grenze dieses Bereichs</source>
        <translation>upper limit of this range</translation>
    </message>
    <message>
        <source>Bruch bei Kraftabfall um % von Fₘ:</source>
        <translation>Fracture at force drop by % of Fₘ:</translation>
    </message>
    <message>
        <source>Der Bruch ist der letzte Punkt, bevor die Kraft um mehr als diesen Anteil der Höchstkraft innerhalb weniger Messpunkte fällt.</source>
        <translation>The fracture is the last point before the force falls by more than this share of the maximum force within a few measuring points.</translation>
    </message>
    <message>
        <source>Keine Zahl: „%1“</source>
        <translation>Not a number: “%1”</translation>
    </message>
</context>
<context>
    <name>evaluation::windows::SpecimenTableModel</name>
    <message>
        <source>neu</source>
        <extracomment>The empty row at the end of a table of results, where the next specimen is typed.</extracomment>
        <translation>new</translation>
    </message>
    <message>
        <source>„%1“ ist keine Zahl (Spalte „%2“).</source>
        <extracomment>%1 is the text typed into a cell of the table, %2 the column&apos;s title.</extracomment>
        <translation>“%1” is not a number (column “%2”).</translation>
    </message>
    <message>
        <source>Zeile %1: %2 fehlt; die Probe bleibt unberücksichtigt.</source>
        <extracomment>%1 is the row&apos;s number, %2 what is missing in it (&quot;die Prüftemperatur&quot;).</extracomment>
        <translation>Row %1: %2 is missing; the specimen is left out.</translation>
    </message>
    <message>
        <source> und </source>
        <translation> and </translation>
    </message>
    <message>
        <source>Zeile %1: %2</source>
        <extracomment>%1 is the row&apos;s number, %2 why the pasted value was refused.</extracomment>
        <translation>Row %1: %2</translation>
    </message>
</context>
<context>
    <name>evaluation::windows::StressStrainPlot</name>
    <message>
        <source>Spannungs-Dehnungs-Diagramm</source>
        <translation>Stress–strain curve</translation>
    </message>
    <message>
        <source>Dehnung ε in %</source>
        <translation>Strain ε in %</translation>
    </message>
    <message>
        <source>Spannung σ in MPa</source>
        <translation>Stress σ in MPa</translation>
    </message>
</context>
<context>
    <name>evaluation::windows::TensileEvaluationWindow</name>
    <message>
        <source>Zugversuch auswerten</source>
        <translation>Evaluate Tensile Tests</translation>
    </message>
    <message>
        <source>Probe</source>
        <translation>Specimen</translation>
    </message>
    <message>
        <source>Bericht als &amp;PDF …</source>
        <translation>Report as &amp;PDF …</translation>
    </message>
    <message>
        <source>&amp;Probe</source>
        <translation>&amp;Specimen</translation>
    </message>
    <message>
        <source>&amp;Messdatei hinzufügen …</source>
        <translation>Add &amp;Measurement File …</translation>
    </message>
    <message>
        <source>&amp;Beispiel hinzufügen</source>
        <translation>Add &amp;Example</translation>
    </message>
    <message>
        <source>Probe &amp;ohne Kurve hinzufügen</source>
        <translation>Add Specimen &amp;without Curve</translation>
    </message>
    <message>
        <source>Probe &amp;entfernen</source>
        <translation>&amp;Remove Specimen</translation>
    </message>
    <message>
        <source>P%1</source>
        <translation>S%1</translation>
    </message>
    <message>
        <source>Messdatei hinzufügen</source>
        <translation>Add Measurement File</translation>
    </message>
    <message>
        <source>Messdateien (*.csv *.txt *.dat *.asc *.tsv);;Alle Dateien (*)</source>
        <translation>Measurement files (*.csv *.txt *.dat *.asc *.tsv);;All files (*)</translation>
    </message>
    <message>
        <source>Messdatei nicht lesbar</source>
        <translation>Measurement File Not Readable</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Kennwerte nach DIN EN ISO 6892-1&lt;/h3&gt;</source>
        <translation>&lt;h3&gt;Properties according to DIN EN ISO 6892-1&lt;/h3&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;%1:&lt;/b&gt;&lt;/p&gt;&lt;ul&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;%1:&lt;/b&gt;&lt;/p&gt;&lt;ul&gt;</translation>
    </message>
    <message>
        <source>Zugversuch</source>
        <translation>Tensile test</translation>
    </message>
    <message>
        <source>Bericht als PDF</source>
        <translation>Report as PDF</translation>
    </message>
    <message>
        <source>PDF-Dokumente (*.pdf)</source>
        <translation>PDF documents (*.pdf)</translation>
    </message>
    <message>
        <source>Bericht nicht geschrieben</source>
        <translation>Report Not Written</translation>
    </message>
    <message>
        <source>Bericht geschrieben: %1</source>
        <translation>Report written: %1</translation>
    </message>
</context>
<context>
    <name>evaluation::windows::TensileReport</name>
    <message>
        <source>Probe</source>
        <translation>Specimen</translation>
    </message>
    <message>
        <source>Querschnitt</source>
        <translation>Cross-section</translation>
    </message>
    <message>
        <source>d₀/mm</source>
        <translation>d₀/mm</translation>
    </message>
    <message>
        <source>a₀ × b₀/mm</source>
        <translation>a₀ × b₀/mm</translation>
    </message>
    <message>
        <source>L₀/mm</source>
        <translation>L₀/mm</translation>
    </message>
    <message>
        <source>Lₑ/mm</source>
        <translation>Lₑ/mm</translation>
    </message>
    <message>
        <source>Verlängerung</source>
        <translation>Extension</translation>
    </message>
    <message>
        <source>Lᵤ/mm</source>
        <translation>Lᵤ/mm</translation>
    </message>
    <message>
        <source>dᵤ/mm</source>
        <translation>dᵤ/mm</translation>
    </message>
    <message>
        <source>Sᵤ/mm²</source>
        <translation>Sᵤ/mm²</translation>
    </message>
    <message>
        <source>Messdatei</source>
        <translation>Measurement file</translation>
    </message>
    <message>
        <source> (ausgeschaltet)</source>
        <translation> (switched off)</translation>
    </message>
    <message>
        <source>rund</source>
        <translation>round</translation>
    </message>
    <message>
        <source>flach</source>
        <translation>flat</translation>
    </message>
    <message>
        <source>ohne Kurve</source>
        <translation>without curve</translation>
    </message>
    <message>
        <source>Traversenweg</source>
        <translation>Crosshead travel</translation>
    </message>
    <message>
        <source>Extensometer</source>
        <translation>Extensometer</translation>
    </message>
    <message>
        <source>Zugversuch nach DIN EN ISO 6892-1</source>
        <translation>Tensile test according to DIN EN ISO 6892-1</translation>
    </message>
    <message>
        <source>Zugversuch</source>
        <translation>Tensile test</translation>
    </message>
    <message>
        <source>Auswertung nach DIN EN ISO 6892-1, %1</source>
        <translation>Evaluation according to DIN EN ISO 6892-1, %1</translation>
    </message>
    <message>
        <source>Proben</source>
        <translation>Specimens</translation>
    </message>
    <message>
        <source>Kennwerte</source>
        <translation>Properties</translation>
    </message>
    <message>
        <source>„–“: nicht bestimmt; *: mit Anmerkung. Gerundet nach DIN EN ISO 6892-1.</source>
        <translation>“–”: not determined; *: with a remark. Rounded according to DIN EN ISO 6892-1.</translation>
    </message>
    <message>
        <source>Anmerkungen</source>
        <translation>Remarks</translation>
    </message>
    <message>
        <source>Spannungs-Dehnungs-Diagramm</source>
        <translation>Stress–strain curve</translation>
    </message>
    <message>
        <source>%1 lässt sich nicht schreiben.</source>
        <translation>%1 cannot be written.</translation>
    </message>
</context>
<context>
    <name>evaluation::windows::TensileTable</name>
    <message>
        <source>Nicht normgerecht: %1</source>
        <translation>Not conforming to the standard: %1</translation>
    </message>
    <message>
        <source>&lt;b&gt;%1&lt;/b&gt;&lt;br&gt;%2</source>
        <extracomment>tooltip of a column: %1 the value&apos;s name, %2 its definition</extracomment>
        <translation>&lt;b&gt;%1&lt;/b&gt;&lt;br&gt;%2</translation>
    </message>
    <message>
        <source>Mittelwert</source>
        <translation>Mean</translation>
    </message>
    <message>
        <source>Standardabweichung</source>
        <translation>Standard deviation</translation>
    </message>
</context>
<context>
    <name>fatigue::BendingMachineScene</name>
    <message>
        <source>Wechselbiegemaschine
(schematisch)</source>
        <extracomment>Title of the machine picture in two lines (break at 
), about 20 characters each</extracomment>
        <translation>Alternating bending
machine (schematic)</translation>
    </message>
    <message>
        <source>Meßuhren</source>
        <extracomment>Part of the alternating bending machine: the dial gauges, about 10 characters</extracomment>
        <translation>Dial gauges</translation>
    </message>
    <message>
        <source>Meßschwinge</source>
        <extracomment>Part of the machine: the measuring rocker, about 12 characters</extracomment>
        <translation>Measuring rocker</translation>
    </message>
    <message>
        <source>Probe</source>
        <extracomment>The specimen, about 8 characters</extracomment>
        <translation>Specimen</translation>
    </message>
    <message>
        <source>Antriebsschwinge</source>
        <extracomment>Part of the machine: the driving rocker, about 16 characters</extracomment>
        <translation>Driving rocker</translation>
    </message>
    <message>
        <source>Meßfeder</source>
        <extracomment>Part of the machine: the measuring spring, about 10 characters</extracomment>
        <translation>Measuring spring</translation>
    </message>
    <message>
        <source>Pleuel</source>
        <extracomment>Part of the machine: the connecting rod, at the right edge, about 7 characters</extracomment>
        <translation>Con rod</translation>
    </message>
    <message>
        <source>Doppelexenter</source>
        <extracomment>Part of the machine: the double eccentric, about 14 characters</extracomment>
        <translation>Double eccentric</translation>
    </message>
    <message>
        <source>Biegemoment</source>
        <extracomment>Red label of the bending moment diagram, about 14 characters
----------
Numerator of the stress amplitude: the bending moment, above a bar 190 pixels wide</extracomment>
        <translation>Bending moment</translation>
    </message>
    <message>
        <source>Gegenmoment</source>
        <extracomment>Red label: the counter moment, about 14 characters</extracomment>
        <translation>Counter moment</translation>
    </message>
    <message>
        <source>Amplitudenspannung =</source>
        <extracomment>Formula: stress amplitude equals the fraction right of it (from x 510)</extracomment>
        <translation>Stress amplitude =</translation>
    </message>
    <message>
        <source>Widerstandsmoment</source>
        <extracomment>Denominator of the stress amplitude: the section modulus, below a bar 190 pixels wide</extracomment>
        <translation>Section modulus</translation>
    </message>
    <message>
        <source>Widerstandsmoment = </source>
        <extracomment>Formula: section modulus equals the fraction right of it (from x 496)</extracomment>
        <translation>Section modulus = </translation>
    </message>
    <message>
        <source>Probenbreite*Probendicke</source>
        <extracomment>Numerator of the section modulus, followed by a raised 2: width * thickness of the specimen</extracomment>
        <translation>Specimen width*thickness</translation>
    </message>
    <message>
        <source>Biegemoment = konst. * Amplitude</source>
        <extracomment>Formula: bending moment = constant * amplitude, room for about 36 characters</extracomment>
        <translation>Bending moment = const. * amplitude</translation>
    </message>
</context>
<context>
    <name>fatigue::LoadRangeScene</name>
    <message>
        <source>Spannungsamplitude</source>
        <extracomment>Header band: label of the stress amplitude field, x 140 to 350, about 18 characters</extracomment>
        <translation>Stress amplitude</translation>
    </message>
    <message>
        <source>Mittelspannung</source>
        <extracomment>Header band: label of the mean stress field, x 390 to 550, about 14 characters</extracomment>
        <translation>Mean stress</translation>
    </message>
    <message>
        <source> Beanspruchung im Zugschwellbereich </source>
        <extracomment>Name of the load range drawn on a coloured ground below the diagram, about 36 characters: loading in the pulsating tension range</extracomment>
        <translation> Loading in the pulsating tension range </translation>
    </message>
    <message>
        <source> Beanspruchung im Druckschwellbereich </source>
        <extracomment>Loading in the pulsating compression range, about 36 characters</extracomment>
        <translation> Loading in the pulsating compression range </translation>
    </message>
    <message>
        <source> Beanspruchung im Wechselbereich </source>
        <extracomment>Loading in the alternating range (mean stress not zero), about 36 characters</extracomment>
        <translation> Loading in the alternating range </translation>
    </message>
    <message>
        <source> Reine Wechselbeanspruchung </source>
        <extracomment>Fully reversed loading (mean stress zero), about 36 characters</extracomment>
        <translation> Fully reversed loading </translation>
    </message>
    <message>
        <source> + Spannung in N/qmm</source>
        <extracomment>Title of the positive stress axis, above the diagram, about 24 characters</extracomment>
        <translation> + Stress in N/mm²</translation>
    </message>
    <message>
        <source> - Spannung in N/qmm </source>
        <extracomment>Title of the negative stress axis, below the diagram, about 24 characters</extracomment>
        <translation> - Stress in N/mm² </translation>
    </message>
    <message>
        <source>Zeit</source>
        <extracomment>Title of the time axis at the diagram&apos;s right edge, about 4 characters</extracomment>
        <translation>t</translation>
    </message>
    <message>
        <source>Eingabe:</source>
        <extracomment>Header band: &quot;input&quot;, before the edit fields, about 9 characters (x 20 to 140)</extracomment>
        <translation>Input:</translation>
    </message>
</context>
<context>
    <name>fatigue::WoehlerGrid</name>
    <message>
        <source> Bruchzyklenzahl N </source>
        <extracomment>Title of the cycles axis below the Wöhler diagram: number of cycles to failure N, about 24 characters; keep the N at its end, some diagrams lower an index B right after it</extracomment>
        <translation> Number of cycles to failure N </translation>
    </message>
    <message>
        <source> + Spannungsamplitude in N/qmm</source>
        <extracomment>Title of the stress axis above the Wöhler diagram, about 30 characters</extracomment>
        <translation> + Stress amplitude in N/mm²</translation>
    </message>
</context>
<context>
    <name>fatigue::WoehlerInfluenceCurves</name>
    <message>
        <source>Wöhlerkurve:</source>
        <extracomment>Purple heading of the curve, followed by the materials from x 400</extracomment>
        <translation>S-N curve:</translation>
    </message>
    <message>
        <source>Kubisch-raumzentrierter Stahl</source>
        <extracomment>Material of the curve: body-centred cubic steel, about 30 characters</extracomment>
        <translation>Body-centred cubic steel</translation>
    </message>
    <message>
        <source>Heterogene Nichteisenmetalllegierugen</source>
        <extracomment>Second material of the curve: heterogeneous non-ferrous alloys, about 36 characters</extracomment>
        <translation>Heterogeneous non-ferrous alloys</translation>
    </message>
    <message>
        <source>Kurzzeitfestigkeits-
bereich</source>
        <extracomment>Low-cycle fatigue range at the left edge, in two lines (break at 
) of about 20 characters</extracomment>
        <translation>Low-cycle
fatigue range</translation>
    </message>
    <message>
        <source>Zeitfestigkeitsbereich</source>
        <extracomment>Finite-life (fatigue strength) range, between two lines 300 pixels apart, about 22 characters</extracomment>
        <translation>Finite-life range</translation>
    </message>
    <message>
        <source>Wechselfestigkeitsbereich</source>
        <extracomment>Range of the fatigue limit under alternating load, about 25 characters</extracomment>
        <translation>Fatigue limit range</translation>
    </message>
    <message>
        <source>(Dauerfestigkeitsbereich)</source>
        <extracomment>Below the previous: the endurance limit range, in brackets, about 25 characters</extracomment>
        <translation>(endurance limit range)</translation>
    </message>
    <message>
        <source>Austenitischer Stahl</source>
        <extracomment>Material of the curve, about 30 characters</extracomment>
        <translation>Austenitic steel</translation>
    </message>
    <message>
        <source>Aluminiumlegierugen</source>
        <extracomment>Second material of the curve: aluminium alloys, about 30 characters</extracomment>
        <translation>Aluminium alloys</translation>
    </message>
    <message>
        <source>Kurzzeit-
festigkeitsbereich</source>
        <extracomment>Low-cycle fatigue range at the left edge, in two lines (break at 
) of about 18 characters</extracomment>
        <translation>Low-cycle
fatigue range</translation>
    </message>
    <message>
        <source>Ausgangszustand</source>
        <extracomment>Label of the curve of the initial state (no corrosion), about 16 characters</extracomment>
        <translation>Initial state</translation>
    </message>
    <message>
        <source>Korrosion (Schwingungsrisskorrosion)</source>
        <extracomment>Heading of the curve under corrosion (corrosion fatigue), about 36 characters</extracomment>
        <translation>Corrosion (corrosion fatigue)</translation>
    </message>
    <message>
        <source>Korrosionszeitfestigkeit</source>
        <extracomment>Label below the corrosion curve: finite-life strength under corrosion, about 25 characters</extracomment>
        <translation>Corrosion fatigue strength</translation>
    </message>
    <message>
        <source>Eigenspannungsfrei</source>
        <extracomment>Label of the curve without residual stresses, about 22 characters</extracomment>
        <translation>Free of residual stress</translation>
    </message>
    <message>
        <source>Zugeigenspannungen</source>
        <extracomment>Label of the curve with residual tensile stresses, about 22 characters</extracomment>
        <translation>Residual tensile stress</translation>
    </message>
    <message>
        <source>Druckeigenspannungen</source>
        <extracomment>Label of the curve with residual compressive stresses, about 22 characters</extracomment>
        <translation>Residual compressive stress</translation>
    </message>
</context>
<context>
    <name>fatigue::WoehlerInfluenceForm</name>
    <message>
        <source>&amp;Ende</source>
        <extracomment>Menu item that closes the window; access key after &amp;</extracomment>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>&amp;Neu Zeichnen</source>
        <extracomment>Menu item that clears the diagram; access key after &amp;</extracomment>
        <translation>&amp;Redraw</translation>
    </message>
    <message>
        <source>Wöhlerdiagramm</source>
        <translation>S-N diagram</translation>
    </message>
    <message>
        <source>Spannungsamplitude über der Bruchzyklenzahl, logarithmisch</source>
        <translation>Stress amplitude over the number of cycles to failure, logarithmic</translation>
    </message>
    <message>
        <source>ESC = Abbruch</source>
        <extracomment>Status bar: Escape closes the window</extracomment>
        <translation>ESC = Cancel</translation>
    </message>
    <message>
        <source>Wöhlerkurve wird gezeichnet</source>
        <translation>Drawing the S-N curve</translation>
    </message>
</context>
<context>
    <name>fatigue::WoehlerRecordingScene</name>
    <message>
        <source> Aufnahme einer Wöhlerlinie: Weichgeglühte und kugelgestrahlte Aluminiumprobe</source>
        <extracomment>Title band of the recording window, about 80 characters</extracomment>
        <translation> Recording an S-N curve: soft-annealed and shot-peened aluminium specimens</translation>
    </message>
    <message>
        <source> + Spannungsamplitude in N/qmm</source>
        <extracomment>Title of the positive stress axis above the oscillation diagram, about 30 characters</extracomment>
        <translation> + Stress amplitude in N/mm²</translation>
    </message>
    <message>
        <source> - Spannungsamplitude in N/qmm </source>
        <extracomment>Title of the negative stress axis below the oscillation diagram, about 30 characters</extracomment>
        <translation> - Stress amplitude in N/mm² </translation>
    </message>
    <message>
        <source>Zeit</source>
        <extracomment>Title of the time axis at the right end of the oscillation diagram, about 4 characters</extracomment>
        <translation>Time</translation>
    </message>
    <message>
        <source> P = %1% </source>
        <extracomment>Small label on a line of equal fracture probability; %1 is the probability in per cent</extracomment>
        <translation> P = %1% </translation>
    </message>
    <message>
        <source> AlMg4,5Mn weichgeglüht </source>
        <extracomment>Label of the soft-annealed lines, white on their colour, about 24 characters</extracomment>
        <translation> AlMg4.5Mn soft-annealed </translation>
    </message>
    <message>
        <source> AlMg4,5Mn kugelgestrahlt </source>
        <extracomment>Label of the shot-peened lines, white on their colour, about 24 characters</extracomment>
        <translation> AlMg4.5Mn shot-peened </translation>
    </message>
</context>
<context>
    <name>hardness::BarChart</name>
    <message>
        <source>Das Diagramm kann nicht gezeigt werden:
%1</source>
        <extracomment>Shown in the chart window instead of the chart; %1 is the reason the system gives.</extracomment>
        <translation>The chart cannot be shown:
%1</translation>
    </message>
</context>
<context>
    <name>hardness::CalculatorForm</name>
    <message>
        <source>&amp;Ende</source>
        <extracomment>Menu item that closes the calculator; access key after &amp;</extracomment>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>&amp;Berechnen</source>
        <extracomment>Button, 89 px wide; access key after &amp;</extracomment>
        <translation>Calc&amp;ulate</translation>
    </message>
    <message>
        <source>&amp;Übernehmen</source>
        <extracomment>Button that adds the result to the list, 113 px wide; access key after &amp;</extracomment>
        <translation>&amp;Add to list</translation>
    </message>
    <message>
        <source>Anzahl der Härtewerte</source>
        <extracomment>Label of the field with the number of values, room for about 30 characters</extracomment>
        <translation>Number of hardness values</translation>
    </message>
    <message>
        <source>ok</source>
        <extracomment>Button that confirms the number of values, 81 px wide</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Diagramm</source>
        <extracomment>Button that opens the chart of the values, 161 px wide</extracomment>
        <translation>Chart</translation>
    </message>
    <message>
        <source>Daten kopieren in die &amp;Zwischenablage</source>
        <extracomment>Button, 217 px wide; access key after &amp;</extracomment>
        <translation>Copy data to the clip&amp;board</translation>
    </message>
</context>
<context>
    <name>hardness::HardnessChart</name>
    <message>
        <source>%1, %2: %3</source>
        <translation>%1, %2: %3</translation>
    </message>
    <message>
        <source>Keine Werte eingetragen</source>
        <translation>No values entered</translation>
    </message>
    <message>
        <source>Brinell- und/oder Vickerswerte</source>
        <extracomment>Title of the hardness chart, room for about 35 characters</extracomment>
        <translation>Brinell and/or Vickers values</translation>
    </message>
    <message>
        <source>Härte</source>
        <extracomment>Title of the chart&apos;s value axis</extracomment>
        <translation>Hardness</translation>
    </message>
</context>
<context>
    <name>hardness::HardnessTester</name>
    <message>
        <source>Probe</source>
        <extracomment>Label of the specimen on the anvil; a long word moves to the left</extracomment>
        <translation>Specimen</translation>
    </message>
    <message>
        <source>Eindringkörper</source>
        <extracomment>Label of the indenter, left of the machine, room for about 14 characters</extracomment>
        <translation>Indenter</translation>
    </message>
    <message>
        <source>Scheibe für die vergrößerte Abbildung des Eindrucks</source>
        <extracomment>Label of the screen at the top of the machine, room for about 50 characters</extracomment>
        <translation>Screen showing the indentation enlarged</translation>
    </message>
    <message>
        <source>verstellbarer|Auflagetisch</source>
        <extracomment>Label of the table, drawn on two lines split at |, about 13 characters each</extracomment>
        <translation>adjustable|table</translation>
    </message>
    <message>
        <source>Einstellen der |Prüfkraft </source>
        <extracomment>Label right of the machine, drawn on two lines split at |, about 14 characters each</extracomment>
        <translation>Setting the|test force</translation>
    </message>
    <message>
        <source>Auslösehebel </source>
        <extracomment>Label of the lever at the machine&apos;s foot, room for about 14 characters</extracomment>
        <translation>Release lever</translation>
    </message>
    <message>
        <source>Schematische Darstellung einer Härteprüfmaschine</source>
        <extracomment>Heading of the drawing, room for about 48 characters</extracomment>
        <translation>Schematic drawing of a hardness tester</translation>
    </message>
</context>
<context>
    <name>hardness::IndentationForm</name>
    <message>
        <source>&amp;Ende</source>
        <extracomment>Menu item that closes the measurement window; access key after &amp;</extracomment>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <extracomment>Menu item that starts a hardness measurement; access key after &amp;</extracomment>
        <translation>&amp;Start</translation>
    </message>
    <message>
        <source>ESC = Abbruch</source>
        <extracomment>Status bar of the measurement windows</extracomment>
        <translation>ESC = Cancel</translation>
    </message>
    <message>
        <source>Prüfkörper in Ruhestellung über der Probe</source>
        <extracomment>Screen reader: the measurement drawing before a run</extracomment>
        <translation>Indenter at rest above the specimen</translation>
    </message>
</context>
<context>
    <name>hardness::ValidityHints</name>
    <message>
        <source>Probe mindestens %1 mm dick.</source>
        <extracomment>Least thickness of the specimen, %1 in mm; ends the Vickers hint</extracomment>
        <translation>Specimen at least %1 mm thick.</translation>
    </message>
    <message>
        <source>Ungültig: Diagonalen weichen %1 % ab (über 5 %), Probe schief? %2</source>
        <extracomment>Vickers hint: %1 the deviation of the diagonals in percent, %2 the thickness sentence</extracomment>
        <translation>Invalid: diagonals differ by %1 % (over 5 %), specimen tilted? %2</translation>
    </message>
    <message>
        <source>Gültig: Diagonalen weichen %1 % ab (bis 5 %). %2</source>
        <extracomment>Vickers hint: %1 the deviation of the diagonals in percent, %2 the thickness sentence</extracomment>
        <translation>Valid: diagonals differ by %1 % (up to 5 %). %2</translation>
    </message>
    <message>
        <source>Beanspruchungsgrad %1.</source>
        <extracomment>Brinell: the force-diameter ratio 0.102 F / D² (a standard one)</extracomment>
        <translation>Force-diameter ratio %1.</translation>
    </message>
    <message>
        <source>Beanspruchungsgrad %1 ist nicht genormt.</source>
        <extracomment>Brinell: the force-diameter ratio 0.102 F / D² (not a standard one)</extracomment>
        <translation>Force-diameter ratio %1 is not standard.</translation>
    </message>
    <message>
        <source>Ungültig: d = %1 D, nicht zwischen 0,24 D und 0,6 D. %2</source>
        <extracomment>Brinell hint: %1 the indentation&apos;s share of the ball diameter, %2 the ratio sentence</extracomment>
        <translation>Invalid: d = %1 D, not between 0.24 D and 0.6 D. %2</translation>
    </message>
    <message>
        <source>%1: d = %2 D (0,24 D bis 0,6 D). %3</source>
        <extracomment>Brinell hint: %1 the verdict, %2 the indentation&apos;s share of the ball diameter, %3 the ratio sentence</extracomment>
        <translation>%1: d = %2 D (0.24 D to 0.6 D). %3</translation>
    </message>
    <message>
        <source>Gültig</source>
        <extracomment>Verdicts of the Brinell hint: valid, or valid with a ratio outside the standard</extracomment>
        <translation>Valid</translation>
    </message>
    <message>
        <source>Eingeschränkt gültig</source>
        <translation>Valid with limits</translation>
    </message>
</context>
<context>
    <name>impact::EnergyTemperatureDiagram</name>
    <message>
        <source>Kerbschlagarbeit Av in Abhängigkeit von der Prüftemperatur T (schematisch)</source>
        <extracomment>Diagram title, first line: room for about 75 characters</extracomment>
        <translation>Impact energy Av against the test temperature T (schematic)</translation>
    </message>
    <message>
        <source>Vergleich Kubisch-raumzentrierter Werkstoff / kubisch-flächenzentrierter Werkstoff</source>
        <extracomment>Diagram title, second line: room for about 80 characters</extracomment>
        <translation>Comparison of a body-centred cubic and a face-centred cubic material</translation>
    </message>
    <message>
        <source>Kerbschlagarbeit (Av)/J</source>
        <extracomment>Title of the energy axis, above the plot area</extracomment>
        <translation>Impact energy (Av)/J</translation>
    </message>
    <message>
        <source>Temperatur/°C</source>
        <extracomment>Title of the temperature axis, below the plot area</extracomment>
        <translation>Temperature/°C</translation>
    </message>
    <message>
        <source> Hochlage </source>
        <extracomment>Label of the upper shelf, on light blue, about 10 characters</extracomment>
        <translation> Upper shelf</translation>
    </message>
    <message>
        <source> Übergang (starke Streuung) </source>
        <extracomment>Label of the transition region, on light blue, about 28 characters</extracomment>
        <translation> Transition (wide scatter) </translation>
    </message>
    <message>
        <source>Tieflage</source>
        <extracomment>Label of the lower shelf, on light blue, about 10 characters</extracomment>
        <translation>Lower shelf</translation>
    </message>
    <message>
        <source> Mischbruch </source>
        <extracomment>Fracture surface in the transition region, white on green; a click shows its photograph</extracomment>
        <translation> Mixed fracture </translation>
    </message>
    <message>
        <source> zäh </source>
        <extracomment>Fracture surface on the upper shelf, white on green, about 6 characters</extracomment>
        <translation> ductile </translation>
    </message>
    <message>
        <source> spröde </source>
        <extracomment>Fracture surface on the lower shelf, white on green, about 8 characters</extracomment>
        <translation> brittle </translation>
    </message>
    <message>
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
        <source>Pendelschlagwerk (schematisch)</source>
        <extracomment>Title drawn at the top of the pendulum picture, room for about 30 characters</extracomment>
        <translation>Pendulum impact tester (schematic)</translation>
    </message>
    <message>
        <source>  ISO-V- 
  Probe </source>
        <extracomment>Small label of the Charpy V-notch specimen in two lines (break at 
) 10 pixels apart, about 9 characters each</extracomment>
        <translation>  V-notch 
   specimen </translation>
    </message>
    <message>
        <source>Widerlager</source>
        <extracomment>Small label: the anvil (supports) the specimen rests on, about 10 characters</extracomment>
        <translation>Anvil</translation>
    </message>
    <message>
        <source>Ableseskala</source>
        <extracomment>Small label: the dial on which the absorbed energy is read, about 11 characters</extracomment>
        <translation>Dial</translation>
    </message>
    <message>
        <source>Kerbschlagarbeit:</source>
        <extracomment>Formula panel, first line: the absorbed impact energy, room for about 20 characters</extracomment>
        <translation>Impact energy:</translation>
    </message>
    <message>
        <source>  Kerbschlagzähigkeit =</source>
        <extracomment>Formula panel: impact strength equals the fraction right of it; ends before x 150</extracomment>
        <translation>  Impact strength =</translation>
    </message>
    <message>
        <source>  Kerbschlagarbeit (Av)</source>
        <extracomment>Numerator of the impact strength, above a bar 140 pixels wide</extracomment>
        <translation>  Impact energy (Av)</translation>
    </message>
    <message>
        <source>  Restquerschnitt (Ao)</source>
        <extracomment>Denominator of the impact strength, below a bar 140 pixels wide: the cross-section left at the notch</extracomment>
        <translation>  Cross-section (Ao)</translation>
    </message>
    <message>
        <source>Hammerfinne</source>
        <extracomment>Label of the hammer&apos;s striking edge above the notched specimen, about 12 characters</extracomment>
        <translation>Striking edge</translation>
    </message>
    <message>
        <source>Kraft F</source>
        <extracomment>White on a red arrow: the force F, about 8 characters</extracomment>
        <translation>Force F</translation>
    </message>
    <message>
        <source>Kerbschlagarbeit-Temperatur-Kurve</source>
        <extracomment>Link below the explanation that opens the curve: 230 pixels, room for about 30 characters</extracomment>
        <translation>impact energy-temperature curve</translation>
    </message>
</context>
<context>
    <name>tensile::StandardSpecimenScene</name>
    <message>
        <source>Zugstab</source>
        <extracomment>Drawn above the specimen: the tensile test piece, room for about 12 characters</extracomment>
        <translation>Bar</translation>
    </message>
</context>
<context>
    <name>tensile::StressStrainCurves</name>
    <message>
        <source>  Bruch  </source>
        <extracomment>Label at the end of a curve where the specimen breaks, white on the curve&apos;s colour</extracomment>
        <translation>  Fracture  </translation>
    </message>
    <message>
        <source>Hookesche Gerade</source>
        <extracomment>Label of the straight elastic part of the curves (Hooke&apos;s line), room for about 18 characters</extracomment>
        <translation>Hooke&apos;s line</translation>
    </message>
    <message>
        <source> unlegierter Stahl </source>
        <translation> unalloyed steel </translation>
    </message>
    <message>
        <source> 0.2 % Dehnung </source>
        <extracomment>Label on the strain axis at the 0.2 % offset line, room for about 14 characters</extracomment>
        <translation> 0.2 % strain </translation>
    </message>
    <message>
        <source> hochlegierter  
 austenitischer Stahl  </source>
        <extracomment>Label beside the blue curve in two lines (break at 
), about 22 characters each</extracomment>
        <translation> high-alloy  
 austenitic steel  </translation>
    </message>
    <message>
        <source>obere Streckgrenze ReH</source>
        <translation>upper yield strength ReH</translation>
    </message>
    <message>
        <source>untere Streckgrenze ReL</source>
        <translation>lower yield strength ReL</translation>
    </message>
    <message>
        <source> Zugfestigkeit Rm</source>
        <translation> Tensile strength Rm</translation>
    </message>
    <message>
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
        <source>Spannung in N/qmm</source>
        <extracomment>Axis title above the stress axis, room for about 20 characters</extracomment>
        <translation>Stress in N/mm²</translation>
    </message>
    <message>
        <source>Dehnung in % </source>
        <extracomment>Axis title below the strain axis, room for about 20 characters</extracomment>
        <translation>Strain in % </translation>
    </message>
</context>
<context>
    <name>tensile::StressStrainTerms</name>
    <message>
        <source>Die Bruchdehnung ist die bleibende Längenänderung dL, bezogen auf die
Ausgangsmesslänge L[0] in %. </source>
        <extracomment>Explanation of the elongation after fracture: lines of about 70 characters, broken with 
</extracomment>
        <translation>The elongation after fracture is the permanent change in length dL
relative to the original gauge length L[0], in %.</translation>
    </message>
    <message>
        <source>Länge (Bruch) - Ausgangslänge</source>
        <extracomment>Numerator of the formula for the elongation after fracture, above a bar 260 pixels wide</extracomment>
        <translation>Final length - original length</translation>
    </message>
    <message>
        <source>    Ausgangslänge</source>
        <extracomment>Denominator below the bar, leading blanks to centre it under the numerator</extracomment>
        <translation>       Original length</translation>
    </message>
    <message>
        <source>Die Brucheinschnürung ist die bleibende Querschnittsänderung dS
nach dem Bruch, bezogen auf den Ausgangsquerschnitt S[0] in %. </source>
        <extracomment>Explanation of the reduction of area: lines of about 70 characters, broken with 
</extracomment>
        <translation>The reduction of area is the permanent change of cross-section dS
after fracture relative to the original cross-section S[0], in %.</translation>
    </message>
    <message>
        <source>Querschnitt (Bruch) - Ausgangsquerschnitt</source>
        <extracomment>Numerator of the formula for the reduction of area, above a bar 310 pixels wide</extracomment>
        <translation>Cross-section (fracture) - original</translation>
    </message>
    <message>
        <source>    Ausgangsquerschnitt</source>
        <extracomment>Denominator below the bar, leading blanks to centre it under the numerator</extracomment>
        <translation>      Original cross-section</translation>
    </message>
    <message>
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
        <source>Einheit</source>
        <extracomment>Beside the unit N/qmm of a formula, room for about 8 characters</extracomment>
        <translation>Unit</translation>
    </message>
    <message>
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
        <source>Spannung = Dehnung * Elastizitätsmodul</source>
        <extracomment>Hooke&apos;s law in words, below the formula, room for about 45 characters</extracomment>
        <translation>Stress = strain * modulus of elasticity</translation>
    </message>
    <message>
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
        <source>- Langer Proportionalstab:  L_{0}  = 10*d_{0} </source>
        <extracomment>Long proportional test piece: gauge length L0 = 10 * diameter d0; _{0} marks a subscript 0 after the letter before it</extracomment>
        <translation>- Long proportional test piece:   L_{0}  = 10*d_{0} </translation>
    </message>
    <message>
        <source>- Kurzer Proportionalstab:   L_{0}   =   5*d_{0} </source>
        <extracomment>Short proportional test piece: gauge length L0 = 5 * diameter d0; _{0} marks a subscript 0 after the letter before it</extracomment>
        <translation>- Short proportional test piece:  L_{0}   =   5*d_{0} </translation>
    </message>
    <message>
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
        <source>Die Zugspannung (Nennspannung) ist die auf den Ausgangsquerschnitt S[0]
einer Zugprobe bezogene Zugkraft F:</source>
        <extracomment>Explanation of the tensile stress: two lines of about 70 characters, broken with 
</extracomment>
        <translation>The tensile stress (nominal stress) is the tensile force F divided by
the original cross-section S[0] of a tensile specimen:</translation>
    </message>
    <message>
        <source>Bruchdehnung</source>
        <extracomment>Names in the list of tensile test terms, 200 pixels wide: about 22 characters</extracomment>
        <translation>Elongation after fracture</translation>
    </message>
    <message>
        <source>Brucheinschnürung</source>
        <translation>Reduction of area</translation>
    </message>
    <message>
        <source>Dehngrenze-0.2%</source>
        <translation>0.2 % proof strength</translation>
    </message>
    <message>
        <source>Elastizitätsgrenze</source>
        <translation>Elastic limit</translation>
    </message>
    <message>
        <source>Hookesche Gerade</source>
        <translation>Hooke&apos;s line</translation>
    </message>
    <message>
        <source>Proportionalstäbe</source>
        <translation>Proportional test pieces</translation>
    </message>
    <message>
        <source>Streckgrenze</source>
        <translation>Yield strength</translation>
    </message>
    <message>
        <source>Zugfestigkeit</source>
        <translation>Tensile strength</translation>
    </message>
    <message>
        <source>Zugspannung</source>
        <translation>Tensile stress</translation>
    </message>
</context>
<context>
    <name>tensile::TensileMachineScene</name>
    <message>
        <source>oberes Querhaupt</source>
        <extracomment>Part name beside the schematic tensile machine, room for about 16 characters</extracomment>
        <translation>upper crosshead</translation>
    </message>
    <message>
        <source>bewegliches
Querhaupt</source>
        <extracomment>Part name in two lines (break at 
), about 11 characters each</extracomment>
        <translation>moving
crosshead</translation>
    </message>
    <message>
        <source>Gewinde-
stangen</source>
        <extracomment>Part name in two lines (break at 
), about 9 characters each</extracomment>
        <translation>spin-
dles</translation>
    </message>
    <message>
        <source>Probe</source>
        <extracomment>Part name: the test piece, room for about 8 characters</extracomment>
        <translation>bar</translation>
    </message>
    <message>
        <source>Spann
backen</source>
        <extracomment>Part name in two lines (break at 
, lines 15 pixels apart), about 6 characters each</extracomment>
        <translation>grips</translation>
    </message>
    <message>
        <source> Zugprüfmaschine (schematisch)</source>
        <extracomment>Title drawn at the top of the machine picture, room for about 30 characters</extracomment>
        <translation> Tensile testing machine (schematic)</translation>
    </message>
</context>
<context>
    <name>tk::Clipboard</name>
    <message>
        <source>Bild kopieren</source>
        <extracomment>Context menu of every drawing and photograph: copies the picture to the clipboard</extracomment>
        <translation>Copy picture</translation>
    </message>
</context>
<context>
    <name>tk::DrawingExport</name>
    <message>
        <source>PNG-Bild (*.png)</source>
        <extracomment>File type in the save dialog.</extracomment>
        <translation>PNG image (*.png)</translation>
    </message>
    <message>
        <source>PDF-Dokument (*.pdf)</source>
        <extracomment>File type in the save dialog.</extracomment>
        <translation>PDF document (*.pdf)</translation>
    </message>
    <message>
        <source>SVG-Vektorgrafik (*.svg)</source>
        <extracomment>File type in the save dialog: lines and texts that stay sharp at any size.</extracomment>
        <translation>SVG vector graphics (*.svg)</translation>
    </message>
    <message>
        <source>Bild speichern</source>
        <extracomment>Title of the question before an existing file is replaced.
----------
Title of the save dialog.</extracomment>
        <translation>Save picture</translation>
    </message>
    <message>
        <source>Die Datei „%1“ gibt es schon. Soll sie ersetzt werden?</source>
        <extracomment>%1 is the file&apos;s name.</extracomment>
        <translation>The file “%1” already exists. Do you want to replace it?</translation>
    </message>
    <message>
        <source>Bild</source>
        <extracomment>File name proposed for a drawing whose window has no caption.</extracomment>
        <translation>Picture</translation>
    </message>
    <message>
        <source>Es gibt noch kein Bild zum Speichern.</source>
        <extracomment>Message when a drawing is to be saved before anything is drawn.</extracomment>
        <translation>There is no picture to save yet.</translation>
    </message>
    <message>
        <source>Die Datei „%1“ kann nicht angelegt werden:
%2</source>
        <extracomment>%1 is the file&apos;s name, %2 the reason the system gives.</extracomment>
        <translation>The file “%1” cannot be created:
%2</translation>
    </message>
    <message>
        <source>Die Datei „%1“ konnte nicht geschrieben werden:
%2</source>
        <extracomment>%1 is the file&apos;s name, %2 the reason the system gives.</extracomment>
        <translation>The file “%1” could not be written:
%2</translation>
    </message>
    <message>
        <source>Drucken</source>
        <extracomment>Title of the message box when printing is not possible.</extracomment>
        <translation>Print</translation>
    </message>
    <message>
        <source>Der Drucker „%1“ lässt sich nicht ansprechen.</source>
        <extracomment>%1 is the printer&apos;s name.</extracomment>
        <translation>The printer “%1” cannot be reached.</translation>
    </message>
    <message>
        <source>Druckvorschau: %1</source>
        <extracomment>Title of the print preview; %1 is the window&apos;s caption.</extracomment>
        <translation>Print preview: %1</translation>
    </message>
    <message>
        <source>Bild speichern …</source>
        <extracomment>Context menu of a drawing, beside &quot;Bild kopieren&quot;.
----------
Key Ctrl+S in a window with a drawing.</extracomment>
        <translation>Save picture …</translation>
    </message>
    <message>
        <source>Drucken …</source>
        <extracomment>Context menu of a drawing.
----------
Key Ctrl+P in a window with a drawing.</extracomment>
        <translation>Print …</translation>
    </message>
    <message>
        <source>Druckvorschau …</source>
        <extracomment>Context menu of a drawing.</extracomment>
        <translation>Print preview …</translation>
    </message>
    <message>
        <source>Drucken ist nicht möglich:
%1</source>
        <extracomment>%1 is the reason the system gives why the program&apos;s part for printing cannot be loaded.</extracomment>
        <translation>Printing is not possible:
%1</translation>
    </message>
    <message>
        <source>SVG-Dateien können nicht geschrieben werden:
%1</source>
        <extracomment>%1 is the reason the system gives why the program&apos;s part for SVG files cannot be loaded.</extracomment>
        <translation>SVG files cannot be written:
%1</translation>
    </message>
</context>
<context>
    <name>tk::Memo</name>
    <message>
        <source>Erläuterung</source>
        <extracomment>Name a screen reader gives a window&apos;s explanatory text box</extracomment>
        <translation>Explanation</translation>
    </message>
</context>
<context>
    <name>tk::Numbers</name>
    <message>
        <source>&apos;%1&apos; ist kein gültiger Gleitkommawert</source>
        <extracomment>Error box after a bad real number; %1 is the text as typed</extracomment>
        <translation>&apos;%1&apos; is not a valid floating-point value</translation>
    </message>
    <message>
        <source>&apos;%1&apos; ist kein gültiger Integerwert</source>
        <extracomment>Error box after a bad whole number; %1 is the text as typed</extracomment>
        <translation>&apos;%1&apos; is not a valid integer value</translation>
    </message>
    <message>
        <source>Ungültige Gleitkommaoperation</source>
        <extracomment>Error box: a computation without a result (root of a negative number, 0/0)</extracomment>
        <translation>Invalid floating-point operation</translation>
    </message>
    <message>
        <source>Gleitkommadivision durch Null</source>
        <extracomment>Error box</extracomment>
        <translation>Floating-point division by zero</translation>
    </message>
    <message>
        <source>Gleitkommaüberlauf</source>
        <extracomment>Error box: a result beyond the range of the numbers</extracomment>
        <translation>Floating-point overflow</translation>
    </message>
</context>
<context>
    <name>tk::PictureForm</name>
    <message>
        <source>&amp;Ende</source>
        <extracomment>Menu item that closes a picture window; access key after &amp;</extracomment>
        <translation>&amp;Close</translation>
    </message>
</context>
</TS>
