<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="de">
<context>
    <name>AccuracyStudy</name>
    <message>
        <source>Übergangskurve</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zeitfestigkeitsgerade</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Treppenstufenfolge</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ColumnTable</name>
    <message>
        <source>Zeile %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zeile %1 der Tabelle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Spalten der Tabelle sind verschieden lang.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Tabelle hat keine Spalte %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Tabelle enthält keine Probe.</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ExampleFiles</name>
    <message>
        <source>Baustahl S355J2 mit ausgeprägter Streckgrenze</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aluminiumlegierung EN AW-6082 T6, Flachprobe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Austenitischer Stahl X5CrNi18-10</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Baustahl S355J2 mit Übergang von Tief- zu Hochlage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Austenitischer Stahl X5CrNi18-10 ohne Übergang</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vergütungsstahl C45 mit Treppenstufenfolge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aluminiumlegierung AlMgSi1 ohne ausgeprägte Dauerfestigkeit</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FatigueEvaluation</name>
    <message>
        <source>Neigung der Zeitfestigkeitsgeraden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exponent der Basquin-Gleichung N = N0·(σa/σ0)^−k: um wie viel Dekaden die Schwingspielzahl steigt, wenn die Spannungsamplitude um eine Dekade sinkt.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bezugsspannung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Geometrisches Mittel der Spannungsamplituden der Brüche, der Schwerpunkt der Zeitfestigkeitsgeraden.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bezugsschwingspielzahl</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Schwingspielzahl der Zeitfestigkeitsgeraden (50 % Bruchwahrscheinlichkeit) bei der Bezugsspannung σ0.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lage der Zeitfestigkeitsgeraden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dekadischer Logarithmus von N0; sein Standardfehler ist die Unsicherheit der Lage der Geraden in Dekaden.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Streuung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Standardabweichung von lg N um die Zeitfestigkeitsgerade, mit den Freiheitsgraden der Regression (Brüche minus 2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Streuspanne</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verhältnis der Schwingspielzahlen für 90 % und 10 % Bruchwahrscheinlichkeit, T_N = 10^(2·1,2816·s); die Linien für 10 % und 90 % liegen um ±1,2816·s in lg N neben der Geraden für 50 %.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dauerfestigkeit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spannungsamplitude, die eine Probe mit 50 % Wahrscheinlichkeit ohne Bruch erträgt, aus der Treppenstufenfolge nach Dixon und Mood.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Streuung der Dauerfestigkeit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Standardabweichung der Dauerfestigkeit, 1,62·d·((N·B − A²)/N² + 0,029); nur gültig, wo (N·B − A²)/N² größer als 0,3 ist.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Abknickpunkt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Schwingspielzahl, bei der die Zeitfestigkeitsgerade (50 %) die Dauerfestigkeit erreicht.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ImpactEvaluation</name>
    <message>
        <source>Hochlage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verbrauchte Schlagenergie bei hohen Temperaturen, wo die Proben zäh brechen: die obere Asymptote der Übergangskurve.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tieflage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verbrauchte Schlagenergie bei tiefen Temperaturen, wo die Proben spröde brechen: die untere Asymptote der Übergangskurve.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mitte des Übergangs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Temperatur, bei der die Übergangskurve in der Mitte zwischen Tief- und Hochlage liegt; dort ist sie am steilsten.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Breite des Übergangs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Parameter der Kurve: der Übergangsbereich reicht von T_m − 2C bis T_m + 2C.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Übergangstemperatur bei 27 J</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Temperatur, bei der die Übergangskurve eine verbrauchte Schlagenergie von 27 J erreicht.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Übergangstemperatur bei halber Hochlage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Temperatur, bei der die Übergangskurve 50 % der Hochlage erreicht.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Übergangstemperatur des Bruchaussehens</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Temperatur, bei der die Bruchfläche zu 50 % aus Scherbruch (zähem Bruch) besteht, aus der Übergangskurve der Scherbruchanteile.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Streuung um die Kurve</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Standardabweichung der Punkte um die Übergangskurve, mit den Freiheitsgraden der Anpassung (Punkte minus Parameter).</source>
        <translation type="unfinished"></translation>
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
    <name>SeriesFile</name>
    <message>
        <source>Zugversuch</source>
        <translation type="unfinished">Tensile test</translation>
    </message>
    <message>
        <source>Kerbschlagbiegeversuch</source>
        <translation type="unfinished">Notched-bar impact test</translation>
    </message>
    <message>
        <source>Wöhlerversuch</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TFormDauerWoehler</name>
    <message>
        <source>Laststufe %1 N/mm², %2: die Proben schwingen bis zum Bruch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>weichgeglüht</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>kugelgestrahlt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Proben gebrochen, ihre Bruchpunkte eingetragen: %1 von 10 Laststufen</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Probe durchschlagen: der Pendelhammer steigt auf die Steighöhe h</source>
        <translation type="unfinished"></translation>
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
    <name>TFormZugAnniHoch</name>
    <message>
        <source>Hookesche Gerade: die Probe dehnt sich elastisch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Streckgrenze erreicht: die Probe fließt, die Spannung fällt von ReH auf ReL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verfestigung bis zur Zugfestigkeit Rm: die Probe wird gleichmäßig länger und dünner</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zugfestigkeit Rm überschritten: die Probe schnürt sich ein</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TFormZugma</name>
    <message>
        <source>Querhaupt fährt hoch und führt die Probe in die obere Einspannung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Probe eingespannt: das Querhaupt fährt abwärts und zieht die Probe in die Länge</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TableSyntax</name>
    <message>
        <source>Semikolon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tabulator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Komma</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leerzeichen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dezimalkomma</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dezimalpunkt</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TensileQuantity</name>
    <message>
        <source>Steigung des elastischen Bereichs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Steigung der Hookeschen Geraden im Spannungs-Dehnungs-Diagramm, durch lineare Regression über einen einstellbaren Spannungsbereich (üblich: 10 % bis 40 % von Rm) bestimmt. Mit einem Feindehnungsaufnehmer gemessen liegt sie nahe am Elastizitätsmodul; aus dem Traversenweg ist sie deutlich kleiner, weil die Maschine sich mit verformt. Sie dient vor allem dazu, den elastischen Anteil der Dehnung abzuziehen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>obere Streckgrenze</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spannung im Augenblick des ersten merklichen Kraftabfalls bei Werkstoffen mit ausgeprägter Streckgrenze: der höchste Wert vor dem Abfall, ReH = FeH / S0.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>untere Streckgrenze</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kleinste Spannung während des Fließens (Lüdersdehnung) bei Werkstoffen mit ausgeprägter Streckgrenze; ein erster Einschwingvorgang gleich nach dem Kraftabfall bleibt unberücksichtigt. ReL = FeL / S0.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0,2 %-Dehngrenze</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spannung, bei der die nicht proportionale (plastische) Dehnung 0,2 % der Messlänge erreicht: Schnittpunkt der Kurve mit einer Parallelen zur Hookeschen Geraden, um 0,2 % Dehnung verschoben. Sie wird bei stetigem Übergang vom elastischen in den plastischen Bereich bestimmt.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Höchstkraft</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Größte Kraft, die die Probe im Versuch nach Beginn der Verfestigung erträgt. Bei Werkstoffen mit ausgeprägter Streckgrenze zählt die Kraft nach dem Fließbereich.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zugfestigkeit</source>
        <translation type="unfinished">Tensile strength</translation>
    </message>
    <message>
        <source>Spannung bei der Höchstkraft, bezogen auf den Anfangsquerschnitt: Rm = Fm / S0.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>plastische Dehnung bei Höchstkraft (Gleichmaßdehnung)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bleibende Dehnung bei der Höchstkraft, bezogen auf die Messlänge des Dehnungsaufnehmers: die Gesamtdehnung Agt ohne den elastischen Anteil Rm / mE. Bei einem flachen Maximum gilt die Mitte des Plateaus. Bis hierher verformt sich die Probe gleichmäßig, danach schnürt sie ein.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gesamtdehnung bei Höchstkraft</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Elastische und plastische Dehnung zusammen bei der Höchstkraft, bezogen auf die Messlänge des Dehnungsaufnehmers.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gesamtdehnung beim Bruch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Elastische und plastische Dehnung zusammen im Augenblick des Bruchs, bezogen auf die Messlänge des Dehnungsaufnehmers. Als Bruch gilt der letzte Messpunkt, bevor die Kraft jäh abfällt.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bruchdehnung</source>
        <translation type="unfinished">Elongation at fracture</translation>
    </message>
    <message>
        <source>Bleibende Verlängerung der Messlänge nach dem Bruch, bezogen auf die Anfangsmesslänge: A = (Lu − L0) / L0 · 100 %. Ohne gemessenes Lu aus der Kurve: At ohne den elastischen Anteil beim Bruch (Bruchspannung / mE). Ohne Zusatz gilt A für den kurzen Proportionalstab (L0 = 5,65 · √S0), A11,3 für den langen (L0 = 11,3 · √S0); bei anderen Messlängen steht die Länge am Zeichen (A80mm). Aus dem Traversenweg ermittelt ist A nicht normgerecht.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brucheinschnürung</source>
        <translation type="unfinished">Reduction of area</translation>
    </message>
    <message>
        <source>Größte bleibende Querschnittsänderung nach dem Bruch, bezogen auf den Anfangsquerschnitt: Z = (S0 − Su) / S0 · 100 %.</source>
        <translation type="unfinished"></translation>
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
</context>
<context>
    <name>evaluation</name>
    <message>
        <source>Aufruf: werkstoffpruefung --evaluate ART DATEI … [Optionen]; ART ist eine von: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unbekannte Art der Auswertung „%1“; bekannt sind: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keine Probe gehört zur Treppenstufenfolge.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Es fehlt die Zeitfestigkeitsgerade oder die Dauerfestigkeit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Zeitfestigkeitsgerade erreicht die Dauerfestigkeit erst jenseits darstellbarer Schwingspielzahlen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Der Wert liegt außerhalb des darstellbaren Zahlenbereichs.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unbekanntes Ergebnis.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Datei</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brüche</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Durchläufer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Treppe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zeitfestigkeitsgerade: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dauerfestigkeit: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Spannungsamplitude ist keine Zahl.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Spannungsamplitude %1 MPa ist nicht positiv.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Schwingspielzahl ist keine Zahl.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Schwingspielzahl %1 ist kleiner als 1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Stufenweite d der Treppenstufenfolge muss positiv sein.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Grenzschwingspielzahl muss mindestens 1 sein.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Reihe hat entweder eine Mittelspannung oder ein Spannungsverhältnis R, nicht beides.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ein Spannungsverhältnis R = 1 ist eine ruhende Last, kein Schwingversuch.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Spalte der Spannungsamplitude fehlt.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Spalte der Schwingspielzahl fehlt.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Spannungsamplitude fehlt.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Schwingspielzahl fehlt.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Kennzeichnung %1 ist weder 0 noch 1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Tieflage (--lower-shelf) darf nicht negativ sein.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Hochlage (--upper-shelf) muss über der Tieflage (--lower-shelf) liegen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keine Übergangskurve.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keine Scherbruchanteile angegeben.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Probe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Übergangskurve: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Tieflage ist festgelegt, nicht angepasst.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Hochlage ist festgelegt, nicht angepasst.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>V-Kerb</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>U-Kerb</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finnenradius 2 mm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finnenradius 8 mm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Prüftemperatur ist keine Zahl.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Prüftemperatur %1 °C liegt unter dem absoluten Nullpunkt.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die verbrauchte Schlagenergie ist keine Zahl.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die verbrauchte Schlagenergie %1 J ist negativ.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Der Scherbruchanteil %1 % liegt nicht zwischen 0 und 100 %.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die laterale Breitung %1 mm ist negativ.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Probenform „%1“ ist unbekannt (erwartet: „V“ oder „U“).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Der Radius der Hammerfinne „%1“ ist unbekannt (erwartet: 2 oder 8 mm).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die festgelegte Tieflage ist negativ.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die festgelegte Hochlage liegt nicht über der festgelegten Tieflage.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Spalte der Prüftemperatur fehlt.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Spalte der verbrauchten Schlagenergie fehlt.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Prüftemperatur fehlt.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die verbrauchte Schlagenergie fehlt.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 ist leer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 ist keine Textdatei.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 enthält keine Tabelle aus Zahlen: keine zwei aufeinanderfolgenden Zeilen mit mindestens zwei Zahlen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 lässt sich nicht öffnen: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kraft</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verlängerung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zeit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Es ist keine Spalte für die Kraft gewählt.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Es ist keine Spalte für die Verlängerung gewählt.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Spalte %1 für „%2“ gibt es nicht: die Tabelle hat %3 Spalten.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kraft, Verlängerung und Zeit müssen in verschiedenen Spalten stehen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Kraft wird in N oder kN angegeben, eine Spannung in MPa, nicht in „%1“.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Verlängerung wird in mm oder µm angegeben, eine Dehnung in %, nicht in „%1“.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Zeit wird in s, ms oder min angegeben, nicht in „%1“.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Das Einlesen von %1 wurde abgebrochen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 enthält ab Zeile %2 keine Messwerte.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 ist beschädigt (Zeile %2, Spalte %3: %4).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 ist keine Versuchsreihe dieses Programms.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 ist beschädigt: die Formatversion fehlt oder ist keine ganze Zahl.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 wurde von einer neueren Programmversion gespeichert (Format %2); diese Version liest Format %3. Bitte das Programm aktualisieren.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 enthält eine Auswertung der Art „%2“, die dieses Programm nicht kennt.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 enthält keine Auswertung „%2“, sondern „%3“.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 ist beschädigt: die Versuchsreihe fehlt.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 ist beschädigt. %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 lässt sich nicht speichern: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 lässt sich nicht speichern: %2. Die bisherige Datei bleibt unverändert.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Der Ordner für die automatische Sicherung (%1) lässt sich nicht anlegen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 muss größer als null sein (angegeben: %2 mm).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lu (%1 mm) ist kleiner als L0 (%2 mm): eine Probe wird im Zugversuch nicht kürzer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>du gilt nur für runde Proben; für eine Flachprobe Su angeben.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>du (%1 mm) ist größer als d0 (%2 mm).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Su muss größer als null sein (angegeben: %1 mm²).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Su (%1 mm²) ist größer als S0 (%2 mm²).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fm muss größer als null sein (angegeben: %1 kN).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Stufenweite d der Treppenstufenfolge fehlt oder ist nicht positiv.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eine Probe der Treppenstufenfolge hat keine gültige Spannungsamplitude.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Treppenstufenfolge reicht über mehr als %1 Stufen der Weite d = %2 MPa; die Stufenweite passt nicht zu den Spannungsamplituden.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Spannungsamplitude %1 MPa liegt nicht auf einer Stufe im Abstand d = %2 MPa von %3 MPa.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In der Treppenstufenfolge ist keine Probe gebrochen; die Dauerfestigkeit liegt über allen geprüften Stufen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In der Treppenstufenfolge ist jede Probe gebrochen; die Dauerfestigkeit liegt unter allen geprüften Stufen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(N·B − A²)/N² = %1 ist nicht größer als 0,3: die Stufen streuen zu wenig, als dass sich die Standardabweichung schätzen ließe (kleinere Stufenweite oder mehr Proben).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: keine Spalte „%2“ für die %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Der Querschnitt fehlt: --d0 oder --a0 und --b0 angeben.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Entweder --d0 (runde Probe) oder --a0 und --b0 (Flachprobe) angeben, nicht beides.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Anfangsmesslänge fehlt: --L0 angeben.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>aus der gemessenen Länge Lu nach dem Bruch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>du oder Su nach dem Bruch ist nicht angegeben.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Su nach dem Bruch ist nicht angegeben.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>zwischen %1 und %2 MPa (%3 % bis %4 % der Höchstspannung)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nur %1 Messpunkte liegen %2; für die Gerade werden mindestens %3 gebraucht.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Spannung steigt %1 nicht mit der Dehnung an.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Kurve erreicht vor dem Bruch keine plastische Dehnung von 0,2 %.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Der Bereich der Hookeschen Geraden muss zwischen 0 % und 100 % der Höchstspannung liegen, die untere Grenze unter der oberen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Der Kraftabfall, der als Bruch gilt, muss zwischen 0 % und 100 % von Fm liegen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Der Kraftabfall beim Bruch braucht mindestens einen Messpunkt.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fm ist nicht angegeben.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ohne Messkurve wird A aus Lu bestimmt; Lu ist nicht angegeben.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ohne Messkurve nicht bestimmbar.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 enthält nur %2 Messpunkte; ausgewertet werden Kurven ab %3 Punkten.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In %1 steigt die Kraft nicht an: die größte Kraft liegt nicht merklich über der ersten.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: die Verlängerung läuft rückwärts (von %2 % auf %3 % Dehnung).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In %1 nimmt die Verlängerung nicht zu.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>aus dem Traversenweg: die Maschine federt mit, mE ist daher deutlich kleiner als der Elastizitätsmodul.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mE ist nicht bestimmt: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Der Werkstoff hat eine ausgeprägte Streckgrenze; bestimmt werden ReH und ReL.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kein ausgeprägtes Fließen: der Übergang in den plastischen Bereich ist stetig.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nach dem Fließen verfestigt der Werkstoff nicht; eine Höchstkraft Fm ist dann nicht definiert.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>aus der Spannung in der Datei und S0 berechnet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>aus dem Traversenweg: nicht normgerecht, die Messlänge L0 wurde nicht gemessen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>aus der Kurve über Le = %1 mm, nicht über L0 = %2 mm gemessen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>aus der Kurve: At ohne den elastischen Anteil beim Bruch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kein Bruch erkannt: die Kraft fällt nach der Höchstkraft nirgends um mehr als %1 % von Fm innerhalb von %2 Messpunkten.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>aus dem Traversenweg</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keine Probe ist eingeschaltet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bei keiner Probe bestimmt.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Proben haben verschiedene Messlängen (%1); ihre Bruchdehnungen sind nicht vergleichbar.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Für eine Standardabweichung sind mindestens zwei Werte nötig.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>aus %1 von %2 Proben</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>enthält Werte, die nicht normgerecht ermittelt wurden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: „%2“ hat den unbekannten Wert „%3“.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: „%2“ ist keine ganze Zahl.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: die Messwerte „%2“ sind beschädigt.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: die Messwerte haben eine unbekannte Kodierung.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: die Zahl der Messpunkte fehlt.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: das Dateiformat der Messdatei ist unvollständig.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: die Messdatei %2 ist nicht zu finden; die Probe bleibt ohne Kurve.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: die Messdatei %2 hat sich seit dem Speichern geändert.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 Die Probe bleibt ohne Kurve.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alle Punkte liegen auf der Seite der Tieflage: die Mitte des Übergangs läge über der höchsten Prüftemperatur. Es fehlen Punkte bei höheren Temperaturen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alle Punkte liegen auf der Seite der Hochlage: die Mitte des Übergangs läge unter der tiefsten Prüftemperatur. Es fehlen Punkte bei tieferen Temperaturen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kein Punkt liegt im Übergangsbereich: die Punkte liegen auf der Hoch- oder der Tieflage, der Verlauf dazwischen ist nicht belegt.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kein Punkt liegt auf der Tieflage: auch bei der tiefsten Prüftemperatur sind die Proben noch im Übergang, die Tieflage wäre geraten. Es fehlen Punkte bei tieferen Temperaturen, oder die Tieflage wird festgelegt.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kein Punkt liegt auf der Hochlage: auch bei der höchsten Prüftemperatur sind die Proben noch im Übergang, die Hochlage wäre geraten. Es fehlen Punkte bei höheren Temperaturen, oder die Hochlage wird festgelegt.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Werte fallen mit steigender Temperatur; eine Übergangskurve steigt von der Tieflage zur Hochlage.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die festgelegte Tief- oder Hochlage passt nicht zu den Punkten.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Punkte bestimmen die Parameter der Kurve nicht; es fehlen Punkte bei verschiedenen Temperaturen im Übergang.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ein Punkt der Reihe hat keinen gültigen Zahlenwert.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die festgelegte Tieflage (%1 %3) muss unter der festgelegten Hochlage (%2 %3) liegen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zu wenige Punkte: die Kurve hat %1 freie Parameter und braucht mindestens %2 Punkte, damit ihre Streuung bestimmt werden kann (vorhanden: %3).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alle Punkte wurden bei derselben Temperatur geprüft; ein Übergang ist nicht zu erkennen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alle Punkte liegen auf einer Lage: die Kurve beschreibt sie nicht besser als ihr Mittelwert, ein Übergang ist nicht zu erkennen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Punkte zeigen keinen Übergang zwischen zwei Lagen: sie ändern sich über die geprüften Temperaturen nur allmählich oder erreichen eine der Lagen nicht. Es fehlen Punkte auf der Tief- oder der Hochlage.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Anpassung der Übergangskurve konvergiert nicht; die Punkte folgen keinem Übergang von einer Tieflage zu einer Hochlage.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eine Probe hat keine gültige Spannungsamplitude oder Schwingspielzahl.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zu wenige Brüche außerhalb der Treppenstufenfolge: die Zeitfestigkeitsgerade braucht mindestens 3, damit ihre Streuung bestimmt werden kann (vorhanden: %1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alle Brüche liegen auf einer Spannungsamplitude; die Neigung der Zeitfestigkeitsgeraden ist nicht bestimmt. Es fehlen Brüche auf weiteren Laststufen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Spannungsamplituden liegen zu dicht beieinander, um eine Neigung zu bestimmen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Schwingspielzahl fällt nicht mit steigender Spannungsamplitude; eine Zeitfestigkeitsgerade lässt sich nicht angeben.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>evaluation::RowReader</name>
    <message>
        <source>%1, Zeile %2: die Zeile hat nur %3 Spalten, die %4 steht aber in Spalte %5.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spalte %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spalte %1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, Zeile %2: %3 ist leer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, Zeile %2: „%3“ in %4 ist keine Zahl.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Datei ist auf %1 eingestellt.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>evaluation::TransitionCurve</name>
    <message>
        <source>%1 %2 liegt nicht über der Tieflage der Kurve (%3 %2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2 liegt nicht unter der Hochlage der Kurve (%3 %2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2 liegt zu nahe an einer Lage der Kurve, um eine Temperatur abzulesen.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>evaluation::detail</name>
    <message>
        <source>Es ist keine Datei angegeben.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Probe %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Liste der Proben („specimens“) fehlt.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Der Eintrag ist kein Objekt.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>„%1“ fehlt.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>„%1“ ist keine Zahl.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>„%1“ ist weder true noch false.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>evaluation::detail::CommandOptions</name>
    <message>
        <source>%1 braucht einen gültigen Wert.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unbekannte Option %1.</source>
        <translation type="unfinished"></translation>
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
    <name>tk::Clipboard</name>
    <message>
        <source>Bild kopieren</source>
        <extracomment>Context menu of every drawing and photograph: copies the picture to the clipboard</extracomment>
        <translation>Copy picture</translation>
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
