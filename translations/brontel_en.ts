<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="cs_CZ">
<context>
    <name>AccessibleNames</name>
    <message>
        <source>Index lomu</source>
        <translation>Refractive index</translation>
    </message>
    <message>
        <source>Úhel dopadu</source>
        <translation>Angle of incidence</translation>
    </message>
    <message>
        <source>Úhel dopadu ve stupních</source>
        <translation>Angle of incidence in degrees</translation>
    </message>
    <message>
        <source>Zpomalení animace</source>
        <translation>Animation slow-down</translation>
    </message>
    <message>
        <source>Čím dál vpravo, tím pomaleji se obrázek pokusu kreslí</source>
        <translation>The further right, the slower the experiment&apos;s picture is drawn</translation>
    </message>
    <message>
        <source>Obrázek pokusu: látka pod vzduchem, paprsky světla, křivky pravděpodobnosti detektorů V, H a L a Cornuovy spirály</source>
        <translation>Picture of the experiment: the substance below the air, the light rays, the probability curves of detectors V, H and L, and the Cornu spirals</translation>
    </message>
    <message>
        <source>Po stisku tlačítka Start se sem kreslí průběh pokusu; Ctrl+C jej zkopíruje do schránky jako obrázek.</source>
        <translation>After Start the run of the experiment is drawn here; Ctrl+C copies it to the clipboard as a picture.</translation>
    </message>
</context>
<context>
    <name>Brontel</name>
    <message>
        <source>Index lomu</source>
        <extracomment>Label above the refractive index field, in a box 73 pixels wide at the window&apos;s design size: shorten it where needed. The refusal sentences name the field in full, in texts of their own.</extracomment>
        <translation>Refr. index</translation>
    </message>
    <message>
        <source>Úhel dopadu</source>
        <extracomment>Title of the frame holding the angle options 35, 60 and &quot;Mezní&quot;; the frame is narrow.</extracomment>
        <translation>Incidence</translation>
    </message>
    <message>
        <source>Distance detektoru</source>
        <extracomment>Title of the frame holding the options 1500, 750 and 100: how high detector H moves above the surface, in twips.</extracomment>
        <translation>Detector distance</translation>
    </message>
    <message>
        <source>Animace</source>
        <extracomment>Title of the frame holding the pace options; &quot;Rychlá&quot; (fast), &quot;Pomalejší&quot; (slower) and &quot;Pomalá&quot; (slow) follow.</extracomment>
        <translation>Animation</translation>
    </message>
    <message>
        <source>Klepněte na tlačítko Start</source>
        <extracomment>The line under the title before a run; &quot;Start&quot; is the button&apos;s caption.</extracomment>
        <translation>Click the Start button</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Konec</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>Látka</source>
        <extracomment>Title of the frame holding the substance options (water, glass).</extracomment>
        <translation>Substance</translation>
    </message>
    <message>
        <source>Mezní</source>
        <extracomment>Option beside &quot;60&quot; and &quot;35&quot;: the substance&apos;s critical angle. One short word.</extracomment>
        <translation>Critical</translation>
    </message>
    <message>
        <source>Rychlá</source>
        <translation>Fast</translation>
    </message>
    <message>
        <source>Pomalejší</source>
        <translation>Slower</translation>
    </message>
    <message>
        <source>Pomalá</source>
        <translation>Slow</translation>
    </message>
    <message>
        <source>Detektor V</source>
        <extracomment>Caption on the picture; V (vertical) is the detector&apos;s name in every language.</extracomment>
        <translation>Detector V</translation>
    </message>
    <message>
        <source>Detektor H</source>
        <extracomment>Caption on the picture. The letter is the detector&apos;s name in every language: H moves horizontally in the air.</extracomment>
        <translation>Detector H</translation>
    </message>
    <message>
        <source>Detektor L</source>
        <extracomment>Caption on the picture; L (Czech &quot;látka&quot;, substance) is the detector&apos;s name in every language: it moves in the substance.</extracomment>
        <translation>Detector L</translation>
    </message>
    <message>
        <source>Pravděpodobnost</source>
        <extracomment>Caption over the bars of the three probability curves.</extracomment>
        <translation>Probability</translation>
    </message>
    <message>
        <source>Cornuovy spirály</source>
        <extracomment>Caption over the Cornu spirals drawn for detector V.</extracomment>
        <translation>Cornu spirals</translation>
    </message>
    <message>
        <source>Brontel: úplný odraz světla, sečtený ze všech drah (F1: nápověda)</source>
        <translation>Brontel: total internal reflection of light, summed over all paths (F1: help)</translation>
    </message>
    <message>
        <source>Spustí pokus s nastavením vlevo</source>
        <translation>Runs the experiment with the settings on the left</translation>
    </message>
    <message>
        <source>Ukončí program (během pokusu po dokreslení kroku)</source>
        <translation>Quits the program (during a run, once the current step is drawn)</translation>
    </message>
    <message>
        <source>Rychlost animace: vlevo nejrychleji, vpravo nejpomaleji</source>
        <translation>Animation speed: fastest at the left, slowest at the right</translation>
    </message>
    <message>
        <source>Index lomu látky pod hladinou</source>
        <translation>Refractive index of the substance below the surface</translation>
    </message>
    <message>
        <source>Index lomu látky; lze jej přepsat (0,5 až 1 000 000)</source>
        <extracomment>Tooltip of the refractive index field; write the range&apos;s numbers as the language does.</extracomment>
        <translation>Refractive index of the substance; can be typed over (0.5 to 1,000,000)</translation>
    </message>
    <message>
        <source>Látka pod hladinou, vzduch je nad ní</source>
        <translation>The substance below the surface; the air is above it</translation>
    </message>
    <message>
        <source>Voda, index lomu 1,33</source>
        <translation>Water, refractive index 1.33</translation>
    </message>
    <message>
        <source>Sklo, index lomu 1,5</source>
        <translation>Glass, refractive index 1.5</translation>
    </message>
    <message>
        <source>Výška dráhy detektoru H nad hladinou, v twipech</source>
        <translation>Height of detector H&apos;s path above the surface, in twips</translation>
    </message>
    <message>
        <source>Detektor H 1500 twipů nad hladinou</source>
        <translation>Detector H 1500 twips above the surface</translation>
    </message>
    <message>
        <source>Detektor H 750 twipů nad hladinou</source>
        <translation>Detector H 750 twips above the surface</translation>
    </message>
    <message>
        <source>Detektor H 100 twipů nad hladinou</source>
        <translation>Detector H 100 twips above the surface</translation>
    </message>
    <message>
        <source>Úhel dopadu ve stupních; lze jej přepsat (0 až 90)</source>
        <translation>Angle of incidence in degrees; can be typed over (0 to 90)</translation>
    </message>
    <message>
        <source>Úhel, pod kterým světlo dopadá na hladinu</source>
        <translation>The angle at which the light meets the surface</translation>
    </message>
    <message>
        <source>Úhel dopadu 35°: světlo se láme do vzduchu i odráží</source>
        <translation>Incidence 35°: the light is refracted into the air and reflected</translation>
    </message>
    <message>
        <source>Mezní úhel látky: lomený paprsek se klouže po hladině</source>
        <translation>The substance&apos;s critical angle: the refracted ray grazes the surface</translation>
    </message>
    <message>
        <source>Úhel dopadu 60°: úplný odraz</source>
        <translation>Incidence 60°: total internal reflection</translation>
    </message>
    <message>
        <source>Rychlost animace</source>
        <translation>Animation speed</translation>
    </message>
    <message>
        <source>Rychlá animace</source>
        <translation>Fast animation</translation>
    </message>
    <message>
        <source>Pomalejší animace</source>
        <translation>Slower animation</translation>
    </message>
    <message>
        <source>Pomalá animace</source>
        <translation>Slow animation</translation>
    </message>
    <message>
        <source>Start spustí pokus; pravé tlačítko myši otevře nabídku</source>
        <translation>Start runs the experiment; the right mouse button opens the menu</translation>
    </message>
    <message>
        <source>Detektor V jede svisle dolů po sondě skrz hladinu</source>
        <translation>Detector V moves straight down the probe line, through the surface</translation>
    </message>
    <message>
        <source>Detektor H jede vodorovně vpravo ve vzduchu nad hladinou</source>
        <translation>Detector H moves right along a line in the air above the surface</translation>
    </message>
    <message>
        <source>Detektor L jede vodorovně vpravo v látce pod hladinou</source>
        <translation>Detector L moves right along a line in the substance below the surface</translation>
    </message>
    <message>
        <source>Sloupce: pravděpodobnost, že světlo dorazí k detektoru, v každém kroku</source>
        <translation>Bars: the probability that the light reaches the detector, at every step</translation>
    </message>
    <message>
        <source>Cornuovy spirály detektoru V: řetězy 1001 šipek</source>
        <translation>Cornu spirals of detector V: chains of 1001 arrows</translation>
    </message>
    <message>
        <source>Cornuovy spirály detektoru L v látce</source>
        <translation>Cornu spirals of detector L in the substance</translation>
    </message>
    <message>
        <source>Látka pod hladinou: voda</source>
        <translation>The substance below the surface: water</translation>
    </message>
    <message>
        <source>Látka pod hladinou: sklo</source>
        <translation>The substance below the surface: glass</translation>
    </message>
    <message>
        <source>Obrázek pokusu; pravé tlačítko myši: kopírovat, uložit, tisknout, nápověda</source>
        <translation>Picture of the experiment; right mouse button: copy, save, print, help</translation>
    </message>
    <message>
        <source>Voda</source>
        <extracomment>The option&apos;s caption, and the tag that names the substance on the picture. The settings line under an exported picture names it in a text of its own.</extracomment>
        <translation>Water</translation>
    </message>
    <message>
        <source>Sklo</source>
        <translation>Glass</translation>
    </message>
    <message>
        <source>V poli „Index lomu“ je „%1“, a to není číslo.

Zapište do pole číslo, například %4, a stiskněte Start znovu.</source>
        <extracomment>A message box when Start is refused. %1 is what was typed, %4 an example of a number as the fields take it; the field is named in full, in the language&apos;s quotation marks. The blank line parts what is wrong from what to do.</extracomment>
        <translation>The field “Refractive index” holds “%1”, which is not a number.

Type a number into the field, for example %4, and press Start again.</translation>
    </message>
    <message>
        <source>V poli „Úhel dopadu“ je „%1“, a to není číslo.

Zapište do pole číslo, například %4, a stiskněte Start znovu.</source>
        <extracomment>As for the refractive index: %1 is what was typed, %4 an example of a number.</extracomment>
        <translation>The field “Angle of incidence” holds “%1”, which is not a number.

Type a number into the field, for example %4, and press Start again.</translation>
    </message>
    <message>
        <source>V poli „Index lomu“ je číslo „%1“, které je pro výpočet příliš velké (nejvýše %3).

Zapište do pole menší číslo a stiskněte Start znovu.</source>
        <extracomment>%1 is the number typed, %3 the largest number the run computes with.</extracomment>
        <translation>The field “Refractive index” holds the number “%1”, which is too large to compute with (at most %3).

Type a smaller number into the field and press Start again.</translation>
    </message>
    <message>
        <source>S číslem %1 v poli „Index lomu“ pokus nemá smysl: index lomu musí být od %2 do %3.

Zapište do pole číslo z tohoto rozsahu a stiskněte Start znovu.</source>
        <extracomment>%1 is the number typed, %2 to %3 the refractive indices the experiment takes.</extracomment>
        <translation>With the number %1 in the field “Refractive index” the experiment makes no sense: the refractive index must be from %2 to %3.

Type a number from this range into the field and press Start again.</translation>
    </message>
    <message>
        <source>S číslem %1 v poli „Úhel dopadu“ pokus nemá smysl: úhel dopadu musí být od %2 do %3 stupňů.

Zapište do pole číslo z tohoto rozsahu a stiskněte Start znovu.</source>
        <extracomment>%1 is the number typed, %2 to %3 the angles the experiment takes, in degrees.</extracomment>
        <translation>With the number %1 in the field “Angle of incidence” the experiment makes no sense: the angle of incidence must be from %2 to %3 degrees.

Type a number from this range into the field and press Start again.</translation>
    </message>
    <message>
        <source>Pozastaveno</source>
        <extracomment>Shown beside the title while a run is paused by the key P.</extracomment>
        <translation>Paused</translation>
    </message>
    <message>
        <source>P: pokus pokračuje; šipka vpravo: nakreslí jeden krok</source>
        <extracomment>Tooltip of &quot;Pozastaveno&quot;: the keys P and the Right arrow, named as the keyboard names them.</extracomment>
        <translation>P: the experiment goes on; Right arrow: draws one step</translation>
    </message>
    <message>
        <source>Do pole se vejde nejvýše %1 znaků; co bylo navíc, do něj nepřibylo.</source>
        <extracomment>Shown beside a number field when a paste or a key would make its text longer than it may be.</extracomment>
        <translation>The field holds at most %1 characters; what went beyond that was left out.</translation>
    </message>
    <message>
        <source>krok %1 / %2</source>
        <extracomment>Shown during a run beside &quot;Pozastaveno&quot;: %1 steps drawn so far, %2 steps of the whole run.</extracomment>
        <translation>step %1 / %2</translation>
    </message>
</context>
<context>
    <name>ChartPicture</name>
    <message>
        <source>Voda</source>
        <translation>Water</translation>
    </message>
    <message>
        <source>Sklo</source>
        <translation>Glass</translation>
    </message>
    <message>
        <source>%1, n = %2, úhel %3°, H ve výšce %4 twipů</source>
        <extracomment>A kept run in the comparison&apos;s legend. %1 the substance, %2 the refractive index, %3 the angle of incidence in the program&apos;s degrees, %4 detector H&apos;s height in twips.</extracomment>
        <translation>%1, n = %2, angle %3°, H %4 twips up</translation>
    </message>
    <message>
        <source>Detektor V na svislé čáře: vlevo vzduch, za čárkovanou čarou látka</source>
        <translation>Detector V on its vertical line: air on the left, the substance past the dashed line</translation>
    </message>
    <message>
        <source>Detektor H ve vzduchu</source>
        <translation>Detector H in the air</translation>
    </message>
    <message>
        <source>Detektor L v látce</source>
        <translation>Detector L in the substance</translation>
    </message>
    <message>
        <source>místo detektoru (twipy)</source>
        <translation>detector&apos;s place (twips)</translation>
    </message>
    <message>
        <source>Druhá mocnina výslednice děleno druhou mocninou délky šipky: stejná míra pro každý úhel</source>
        <translation>Squared resultant divided by the arrow length squared: the same measure at every angle</translation>
    </message>
    <message>
        <source>Brontel: srovnání běhů</source>
        <translation>Brontel: runs compared</translation>
    </message>
</context>
<context>
    <name>ChartView</name>
    <message>
        <source>Graf srovnání běhů</source>
        <translation>Chart of the compared runs</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>--index: „%1“ není číslo.</source>
        <extracomment>Printed on the standard error output when a run from the command line is refused; the option&apos;s name stays. %1 is the value given.</extracomment>
        <translation>--index: &apos;%1&apos; is not a number.</translation>
    </message>
    <message>
        <source>--alpha: „%1“ není číslo.</source>
        <extracomment>As for --index; %1 is the value given.</extracomment>
        <translation>--alpha: &apos;%1&apos; is not a number.</translation>
    </message>
    <message>
        <source>--index: číslo „%1“ je pro výpočet příliš velké (nejvýše %3).</source>
        <extracomment>%1 is the value given, %3 the largest number the run computes with.</extracomment>
        <translation>--index: the number &apos;%1&apos; is too large to compute with (at most %3).</translation>
    </message>
    <message>
        <source>--index: s indexem lomu %1 pokus nemá smysl; zadejte číslo od %2 do %3.</source>
        <extracomment>%1 is the value given, %2 to %3 the refractive indices the experiment takes.</extracomment>
        <translation>--index: a refractive index of %1 makes no sense for the experiment; give a number from %2 to %3.</translation>
    </message>
    <message>
        <source>--alpha: s úhlem dopadu %1° pokus nemá smysl; zadejte číslo od %2 do %3.</source>
        <extracomment>%1 is the value given, %2 to %3 the angles the experiment takes, in degrees.</extracomment>
        <translation>--alpha: an angle of incidence of %1° makes no sense for the experiment; give a number from %2 to %3.</translation>
    </message>
    <message>
        <source>brontel: --%1: „%2“ nelze použít; použijte jedno z: %3</source>
        <extracomment>An option&apos;s value is none of the names it takes; %1 the option, %2 the value given, %3 the names.</extracomment>
        <translation>brontel: --%1: &apos;%2&apos; is not accepted; use one of: %3</translation>
    </message>
    <message>
        <source>brontel: --%1: „%2“ nelze použít; zadejte %3</source>
        <extracomment>An option&apos;s value is not of the kind it takes; %1 the option, %2 the value given, %3 what it takes (&quot;a file ending .csv&quot;).</extracomment>
        <translation>brontel: --%1: &apos;%2&apos; is not accepted; give %3</translation>
    </message>
    <message>
        <source>brontel: --%1 je zadána %2krát; zadejte ji jednou</source>
        <extracomment>%1 the option, %2 how many times it was given.</extracomment>
        <translation>brontel: --%1 is given %2 times; give it once</translation>
    </message>
    <message>
        <source>brontel: --%1 nemá hodnotu („%2“ je další volba); viz brontel --help</source>
        <extracomment>%1 the option, %2 the next option, taken for its value.</extracomment>
        <translation>brontel: --%1 has no value (&apos;%2&apos; is the next option); see brontel --help</translation>
    </message>
    <message>
        <source>brontel: --scale udává pixely obrázku .png; zadejte ji jen s --picture SOUBOR.png</source>
        <translation>brontel: --scale sets the pixels of a .png picture; give it only with --picture FILE.png</translation>
    </message>
    <message>
        <source>brontel: --curves-format je formát souboru --curves; zadejte ji jen s --curves SOUBOR.csv</source>
        <translation>brontel: --curves-format is the format of the --curves file; give it only with --curves FILE.csv</translation>
    </message>
    <message>
        <source>soubor s příponou .png, .svg nebo .pdf</source>
        <translation>a file ending .png, .svg or .pdf</translation>
    </message>
    <message>
        <source>číslo od 0.25 do 8</source>
        <translation>a number from 0.25 to 8</translation>
    </message>
    <message>
        <source>soubor s příponou .csv</source>
        <translation>a file ending .csv</translation>
    </message>
    <message>
        <source>brontel: zadejte --substance, nebo --index, ne obojí</source>
        <translation>brontel: give --substance or --index, not both</translation>
    </message>
    <message>
        <source>water nebo glass</source>
        <translation>water or glass</translation>
    </message>
    <message>
        <source>číslo od 1 do 3</source>
        <translation>a number from 1 to 3</translation>
    </message>
    <message>
        <source>počet stupňů od 0 do 89.9</source>
        <translation>a number of degrees from 0 to 89.9</translation>
    </message>
    <message>
        <source>počet twipů od 100 do 5000</source>
        <translation>a number of twips from 100 to 5000</translation>
    </message>
    <message>
        <source>počet twipů nad 0, nejvýše 100</source>
        <translation>a number of twips above 0, at most 100</translation>
    </message>
    <message>
        <source>brontel: --explore potřebuje --alpha STUPNĚ</source>
        <translation>brontel: --explore needs --alpha DEGREES</translation>
    </message>
    <message>
        <source>brontel: --index2 potřebuje --gap G</source>
        <translation>brontel: --index2 needs --gap G</translation>
    </message>
    <message>
        <source>0.5 nebo 1</source>
        <translation>0.5 or 1</translation>
    </message>
    <message>
        <source>exact nebo equal</source>
        <translation>exact or equal</translation>
    </message>
    <message>
        <source>soubor s příponou .csv (povinný)</source>
        <translation>a file ending .csv (required)</translation>
    </message>
    <message>
        <source>cs nebo en</source>
        <translation>cs or en</translation>
    </message>
    <message>
        <source>brontel: neznámá volba „%1“; viz %2</source>
        <extracomment>%1 the option as typed, %2 how to read the help (&quot;brontel --help&quot;).</extracomment>
        <translation>brontel: unknown option &apos;%1&apos;; see %2</translation>
    </message>
    <message>
        <source>brontel: za „%1“ chybí hodnota; viz %2</source>
        <extracomment>%1 the option as typed, %2 how to read the help.</extracomment>
        <translation>brontel: missing value after &apos;%1&apos;; see %2</translation>
    </message>
    <message>
        <source>brontel: volba „%1“ nemá žádnou hodnotu; viz %2</source>
        <extracomment>An option that takes no value was given one (--help=yes). %1 the option as typed, %2 how to read the help.</extracomment>
        <translation>brontel: &apos;%1&apos; takes no value; see %2</translation>
    </message>
    <message>
        <source>brontel: nečekaný argument „%1“; viz %2</source>
        <extracomment>%1 the argument, %2 how to read the help.</extracomment>
        <translation>brontel: unexpected argument &apos;%1&apos;; see %2</translation>
    </message>
</context>
<context>
    <name>ComparisonWindow</name>
    <message>
        <source>Brontel: srovnání běhů</source>
        <translation>Brontel: runs compared</translation>
    </message>
    <message>
        <source>Stupnice:</source>
        <translation>Scale:</translation>
    </message>
    <message>
        <source>lineární</source>
        <translation>linear</translation>
    </message>
    <message>
        <source>logaritmická</source>
        <translation>logarithmic</translation>
    </message>
    <message>
        <source>Uložit obrázek…</source>
        <translation>Save picture…</translation>
    </message>
    <message>
        <source>Uložit tabulku…</source>
        <translation>Save table…</translation>
    </message>
    <message>
        <source>Zatím není ponechán žádný běh. Po skončení běhu zvolte v nabídce obrázku „Ponechat běh“ (klávesa K); srovnat lze až čtyři běhy.</source>
        <translation>No run kept yet. When a run has ended, choose “Keep this run” in the picture&apos;s menu (key K); up to four runs can be compared.</translation>
    </message>
    <message>
        <source>Odebrat</source>
        <translation>Remove</translation>
    </message>
    <message>
        <source>Odebrat běh: %1</source>
        <translation>Remove run: %1</translation>
    </message>
    <message>
        <source>Uložit srovnání jako obrázek</source>
        <translation>Save the comparison as a picture</translation>
    </message>
    <message>
        <source>Obrázek PNG (*.png)</source>
        <translation>PNG image (*.png)</translation>
    </message>
    <message>
        <source>Vektorový obrázek SVG (*.svg)</source>
        <translation>SVG vector image (*.svg)</translation>
    </message>
    <message>
        <source>Velikost obrázku:</source>
        <translation>Picture size:</translation>
    </message>
    <message>
        <source>CSV pro tabulkové procesory (*.csv)</source>
        <translation>CSV for spreadsheets (*.csv)</translation>
    </message>
    <message>
        <source>Uložit tabulku srovnání</source>
        <translation>Save the comparison&apos;s table</translation>
    </message>
    <message>
        <source>Tabulka CSV (*.csv)</source>
        <translation>CSV table (*.csv)</translation>
    </message>
</context>
<context>
    <name>ExploreSwitch</name>
    <message>
        <source>Zkoumat…</source>
        <translation>Explore…</translation>
    </message>
</context>
<context>
    <name>ExploreView</name>
    <message>
        <source>Svazek u hladiny (výšky nejsou v měřítku)</source>
        <translation>The beam at the surface (heights not to scale)</translation>
    </message>
    <message>
        <source>látka, n = %1</source>
        <translation>substance, n = %1</translation>
    </message>
    <message>
        <source>vzduch</source>
        <translation>air</translation>
    </message>
    <message>
        <source>druhý blok, n₂ = %1</source>
        <translation>second block, n₂ = %1</translation>
    </message>
    <message>
        <source>α = %1°</source>
        <translation>α = %1°</translation>
    </message>
    <message>
        <source>H</source>
        <translation>H</translation>
    </message>
    <message>
        <source>Intenzita v H podle výšky nad hladinou (vůči hladině)</source>
        <translation>Intensity at H by height (relative to the surface)</translation>
    </message>
    <message>
        <source>výška z (twipy)</source>
        <translation>height z (twips)</translation>
    </message>
    <message>
        <source>šipky</source>
        <translation>arrows</translation>
    </message>
    <message>
        <source>klasicky e^(−2z/d)</source>
        <translation>classical e^(−2z/d)</translation>
    </message>
    <message>
        <source>d</source>
        <translation>d</translation>
    </message>
    <message>
        <source>Pod mezním úhlem světlo odchází do vzduchu:
intenzita neklesá.</source>
        <translation>Below the critical angle the light leaves into the air:
the intensity does not fall.</translation>
    </message>
    <message>
        <source>Krok %1 twipu není menší než λ₀/(1 + n sin α) = %2 twipu:
body hladiny posílají do vzduchu falešný svazek.</source>
        <translation>A step of %1 twip is not below λ₀/(1 + n sin α) = %2 twip:
the surface points send a false beam into the air.</translation>
    </message>
    <message>
        <source>Svazek je úzký: pro tento úhel potřebuje pás aspoň %1 twipů,
jinak světlo z jeho okrajů zakryje evanescentní vlnu.</source>
        <translation>The beam is narrow: at this angle it needs a waist of at least %1 twips,
else the light from its edges hides the evanescent wave.</translation>
    </message>
    <message>
        <source>Ostré okraje svazku ohýbají světlo do vzduchu;
to zakryje evanescentní vlnu.</source>
        <translation>The beam’s hard edges diffract light into the air;
it hides the evanescent wave.</translation>
    </message>
    <message>
        <source>Cornuova spirála ve výšce z = %1 twipu</source>
        <translation>Cornu spiral at the height z = %1 twip</translation>
    </message>
    <message>
        <source>výslednice</source>
        <translation>resultant</translation>
    </message>
    <message>
        <source>Světlo v druhém bloku podle mezery</source>
        <translation>Light in the second block against the gap</translation>
    </message>
    <message>
        <source>mezera (twipy)</source>
        <translation>gap (twips)</translation>
    </message>
    <message>
        <source>šipky (vůči dotyku)</source>
        <translation>arrows (relative to touching)</translation>
    </message>
    <message>
        <source>klasicky: propustnost mezery (s)</source>
        <translation>classical: the gap’s transmission (s)</translation>
    </message>
    <message>
        <source>Druhý blok je vypnutý.</source>
        <translation>The second block is off.</translation>
    </message>
    <message>
        <source>Odrazivost R podle úhlu dopadu (Fresnel)</source>
        <translation>Reflectance R by angle (Fresnel)</translation>
    </message>
    <message>
        <source>úhel dopadu (°)</source>
        <translation>angle of incidence (°)</translation>
    </message>
    <message>
        <source>R (s)</source>
        <translation>R (s)</translation>
    </message>
    <message>
        <source>R (p)</source>
        <translation>R (p)</translation>
    </message>
    <message>
        <source>θc</source>
        <translation>θc</translation>
    </message>
    <message>
        <source>θB</source>
        <translation>θB</translation>
    </message>
</context>
<context>
    <name>ExploreWindow</name>
    <message>
        <source>Zkoumat: evanescentní vlna a tunelování</source>
        <translation>Explore: the evanescent wave and tunnelling</translation>
    </message>
    <message>
        <source>Úhel dopadu:</source>
        <translation>Angle of incidence:</translation>
    </message>
    <message>
        <source>Látka:</source>
        <translation>Substance:</translation>
    </message>
    <message>
        <source>Index lomu:</source>
        <translation>Refractive index:</translation>
    </message>
    <message>
        <source>Svazek:</source>
        <translation>Beam:</translation>
    </message>
    <message>
        <source>Pás svazku (twipy):</source>
        <translation>Beam waist (twips):</translation>
    </message>
    <message>
        <source>Vzorkování:</source>
        <translation>Sampling:</translation>
    </message>
    <message>
        <source>Šipky:</source>
        <translation>Arrows:</translation>
    </message>
    <message>
        <source>Mezera (d):</source>
        <translation>Gap (d):</translation>
    </message>
    <message>
        <source>Index bloku:</source>
        <translation>Block’s index:</translation>
    </message>
    <message>
        <source>voda</source>
        <translation>water</translation>
    </message>
    <message>
        <source>sklo</source>
        <translation>glass</translation>
    </message>
    <message>
        <source>jiný index</source>
        <translation>another index</translation>
    </message>
    <message>
        <source>ostré okraje, 1000 twipů (hlavní okno)</source>
        <translation>hard edges, 1000 twips (main window)</translation>
    </message>
    <message>
        <source>Gaussův svazek</source>
        <translation>Gaussian beam</translation>
    </message>
    <message>
        <source>0,5 twipu</source>
        <translation>0.5 twip</translation>
    </message>
    <message>
        <source>1 twip (hlavní okno)</source>
        <translation>1 twip (main window)</translation>
    </message>
    <message>
        <source>přesné Huygensovy vlnky</source>
        <translation>exact Huygens wavelets</translation>
    </message>
    <message>
        <source>stejně dlouhé šipky hlavního okna</source>
        <translation>equal arrows of the main window</translation>
    </message>
    <message>
        <source>Druhý blok za vzduchovou mezerou</source>
        <translation>Second block across an air gap</translation>
    </message>
    <message>
        <source>Uložit tabulku jako CSV… (Ctrl+E)</source>
        <translation>Save the table as CSV… (Ctrl+E)</translation>
    </message>
    <message>
        <source>Mezní úhel θc = %1°</source>
        <translation>Critical angle θc = %1°</translation>
    </message>
    <message>
        <source>Mezní úhel: žádný (n = 1)</source>
        <translation>Critical angle: none (n = 1)</translation>
    </message>
    <message>
        <source>Brewsterův úhel θB = %1°</source>
        <translation>Brewster’s angle θB = %1°</translation>
    </message>
    <message>
        <source>Hloubka průniku d = %1 twipu = %2 λ₀</source>
        <translation>Decay length d = %1 twip = %2 λ₀</translation>
    </message>
    <message>
        <source>Pod mezním úhlem: světlo se láme do vzduchu, d není.</source>
        <translation>Below the critical angle: the light is refracted into the air, there is no d.</translation>
    </message>
    <message>
        <source>Odrazivost R: s %1 %, p %2 %</source>
        <translation>Reflectance R: s %1 %, p %2 %</translation>
    </message>
    <message>
        <source>Propustnost T: s %1 %, p %2 %</source>
        <translation>Transmittance T: s %1 %, p %2 %</translation>
    </message>
    <message>
        <source>Mezera %1 twipu propustí: s %2 %, p %3 %</source>
        <translation>A gap of %1 twip lets through: s %2 %, p %3 %</translation>
    </message>
    <message>
        <source>Uložit tabulku</source>
        <translation>Save the table</translation>
    </message>
    <message>
        <source>Tabulka CSV (*.csv)</source>
        <translation>CSV table (*.csv)</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Brontel – nápověda</source>
        <translation>Brontel – help</translation>
    </message>
    <message>
        <source>Nápověda</source>
        <translation>Help</translation>
    </message>
</context>
<context>
    <name>LessonActions</name>
    <message>
        <source>Ponechat běh</source>
        <translation>Keep this run</translation>
    </message>
    <message>
        <source>Srovnání běhů…</source>
        <translation>Compare runs…</translation>
    </message>
    <message>
        <source>Předpověď</source>
        <translation>Prediction</translation>
    </message>
    <message>
        <source>Smazat předpověď</source>
        <translation>Clear the prediction</translation>
    </message>
    <message>
        <source>Předpověď i v uložených obrázcích</source>
        <translation>Prediction in saved pictures too</translation>
    </message>
    <message>
        <source>Pracovní list…</source>
        <translation>Worksheet…</translation>
    </message>
    <message>
        <source>Ponechat lze jen běh, který doběhl do konce.</source>
        <translation>Only a run that went on to its end can be kept.</translation>
    </message>
    <message>
        <source>Srovnat lze nejvýš čtyři běhy; nejdřív jeden odeberte.</source>
        <translation>At most four runs can be compared; remove one first.</translation>
    </message>
</context>
<context>
    <name>SceneMenu</name>
    <message>
        <source>Kopírovat obrázek</source>
        <translation>Copy picture</translation>
    </message>
    <message>
        <source>Uložit obrázek…</source>
        <translation>Save picture…</translation>
    </message>
    <message>
        <source>Uložit křivky jako CSV…</source>
        <translation>Save curves as CSV…</translation>
    </message>
    <message>
        <source>Tisk…</source>
        <translation>Print…</translation>
    </message>
    <message>
        <source>Nápověda</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>O programu</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Obrázek PNG (*.png)</source>
        <translation>PNG image (*.png)</translation>
    </message>
    <message>
        <source>Vektorový obrázek SVG (*.svg)</source>
        <translation>SVG vector image (*.svg)</translation>
    </message>
    <message>
        <source>Dokument PDF (*.pdf)</source>
        <translation>PDF document (*.pdf)</translation>
    </message>
    <message>
        <source>Uložit obrázek</source>
        <translation>Save picture</translation>
    </message>
    <message>
        <source>Uložit křivky</source>
        <translation>Save curves</translation>
    </message>
    <message>
        <source>Tabulka CSV (*.csv)</source>
        <translation>CSV table (*.csv)</translation>
    </message>
    <message>
        <source>Překlad rozhraní se nepodařilo načíst.</source>
        <translation>The interface&apos;s translation could not be loaded.</translation>
    </message>
    <message>
        <source>Obrázek se nepodařilo vytisknout.</source>
        <translation>The picture could not be printed.</translation>
    </message>
    <message>
        <source>Výukové popisky v obrázku</source>
        <translation>Teaching overlay on the picture</translation>
    </message>
    <message>
        <source>CSV pro tabulkové procesory (*.csv)</source>
        <extracomment>A file type in the save dialog: CSV that a spreadsheet in the user&apos;s locale opens by double click (semicolons between columns, the locale&apos;s decimal comma).</extracomment>
        <translation>CSV for spreadsheets (*.csv)</translation>
    </message>
    <message>
        <source>Velikost obrázku:</source>
        <translation>Picture size:</translation>
    </message>
    <message>
        <source>%1× (%2 × %3 pixelů)</source>
        <extracomment>A choice of the saved picture&apos;s size: the scale, then its width and height in pixels.</extracomment>
        <translation>%1× (%2 × %3 pixels)</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Brontel %1&lt;/h3&gt;&lt;p&gt;Úplný odraz světla na hladině vody nebo skla, sečtený z amplitud všech drah.&lt;/p&gt;&lt;p&gt;Licence: GNU General Public License, verze 3 nebo novější (GPL-3.0-or-later).&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Brontel %1&lt;/h3&gt;&lt;p&gt;Total internal reflection of light at the surface of water or glass, summed from the amplitudes of all paths.&lt;/p&gt;&lt;p&gt;Licence: GNU General Public License, version 3 or later (GPL-3.0-or-later).&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;Domovská stránka: &lt;a href=&quot;%1&quot;&gt;%1&lt;/a&gt;&lt;/p&gt;</source>
        <extracomment>%1 is the program&apos;s home page.</extracomment>
        <translation>&lt;p&gt;Home page: &lt;a href=&quot;%1&quot;&gt;%1&lt;/a&gt;&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>ScenePicture</name>
    <message>
        <source>%1, index lomu %2, úhel dopadu %3°, detektor H %4 twipů nad hladinou</source>
        <extracomment>The settings line under an exported picture. %1 the substance, %2 the refractive index, %3 the angle of incidence in degrees, %4 detector H&apos;s height in twips.</extracomment>
        <translation>%1, refractive index %2, angle of incidence %3°, detector H %4 twips above the surface</translation>
    </message>
</context>
<context>
    <name>SubstanceCaption</name>
    <message>
        <source>Voda</source>
        <extracomment>The substance as the first word of the settings line under an exported picture: &quot;Voda, index lomu 1,33, úhel dopadu 35°, …&quot;.</extracomment>
        <translation>Water</translation>
    </message>
    <message>
        <source>Sklo</source>
        <extracomment>The substance as the first word of the settings line under an exported picture: &quot;Sklo, index lomu 1,5, úhel dopadu 35°, …&quot;.</extracomment>
        <translation>Glass</translation>
    </message>
</context>
<context>
    <name>TeachingOverlay</name>
    <message>
        <source>V: sonda skrz hladinu</source>
        <extracomment>Beside detector V&apos;s probe line, which runs down through the surface of the water.</extracomment>
        <translation>V: probe through the surface</translation>
    </message>
    <message>
        <source>H: ve vzduchu, %1 twipů nad hladinou</source>
        <extracomment>Above detector H&apos;s line in the air; %1 is its height above the surface of the water (100, 750 or 1500 twips).</extracomment>
        <translation>H: in the air, %1 twips above</translation>
    </message>
    <message>
        <source>L: v látce</source>
        <extracomment>Above detector L&apos;s line in the substance.</extracomment>
        <translation>L: in the substance</translation>
    </message>
    <message>
        <source>Rychlost</source>
        <extracomment>Left of the pace scroll bar at the top.</extracomment>
        <translation>Speed</translation>
    </message>
    <message>
        <source>normála</source>
        <extracomment>On the normal to the surface drawn at the end of the lit stretch.</extracomment>
        <translation>normal</translation>
    </message>
    <message>
        <source>β = %1°</source>
        <extracomment>The angle of refraction on its arc, in degrees.</extracomment>
        <translation>β = %1°</translation>
    </message>
    <message>
        <source>θc = %1°</source>
        <extracomment>The critical angle at the end of its line, in degrees.</extracomment>
        <translation>θc = %1°</translation>
    </message>
    <message>
        <source>Klasická optika (skutečné stupně)</source>
        <extracomment>Heading of the box of what classical optics predicts, with the true pi (the run itself takes pi as 3.14).</extracomment>
        <translation>Classical optics (true degrees)</translation>
    </message>
    <message>
        <source>n = %1,  sin θc = 1/n = %2</source>
        <extracomment>%1 the refractive index, %2 the sine of the critical angle.</extracomment>
        <translation>n = %1,  sin θc = 1/n = %2</translation>
    </message>
    <message>
        <source>Snellův zákon: lom β = %1°</source>
        <extracomment>%1 the angle of refraction by Snell&apos;s law, in degrees.</extracomment>
        <translation>Snell&apos;s law: refraction β = %1°</translation>
    </message>
    <message>
        <source>úplný odraz (n sin α &gt; 1)</source>
        <extracomment>In place of the angle of refraction when there is none.</extracomment>
        <translation>total internal reflection (n sin α &gt; 1)</translation>
    </message>
    <message>
        <source>Fresnel: Rs = %1 %,  Rp = %2 %</source>
        <extracomment>Fresnel&apos;s reflectances for s- and p-polarised light, in percent, to two significant figures.</extracomment>
        <translation>Fresnel: Rs = %1 %,  Rp = %2 %</translation>
    </message>
    <message>
        <source>hloubka vniku: žádná, láme se</source>
        <extracomment>In place of the penetration depth when the light is refracted, not totally reflected.</extracomment>
        <translation>penetration depth: none, it refracts</translation>
    </message>
    <message>
        <source>pro tento index a úhel nic</source>
        <extracomment>Under the heading when classical optics predicts nothing for the index and angle typed.</extracomment>
        <translation>nothing for this index and angle</translation>
    </message>
    <message>
        <source>V: sonda skrz rozhraní</source>
        <extracomment>Beside detector V&apos;s probe line, which runs down through the surface of the glass.</extracomment>
        <translation>V: probe through the surface</translation>
    </message>
    <message>
        <source>H: ve vzduchu, %1 twipů nad rozhraním</source>
        <extracomment>Above detector H&apos;s line in the air; %1 is its height above the surface of the glass (100, 750 or 1500 twips).</extracomment>
        <translation>H: in the air, %1 twips above the surface</translation>
    </message>
    <message>
        <source>Spirály: 1001 šipek za sebou; sloupec = druhá mocnina vzdálenosti začátek–konec</source>
        <extracomment>Legend under the picture: each spiral is a chain of 1001 arrows, and each curve&apos;s bar is the squared length from the chain&apos;s start to its end.</extracomment>
        <translation>Spirals: 1001 arrows head to tail; bar = squared distance from start to end</translation>
    </message>
    <message>
        <source>α = %1° (v programu %2)</source>
        <extracomment>The angle of incidence on its arc: %1 in true degrees, %2 as the program holds it (it takes pi as 3.14, so its 35 is 34.98 true degrees).</extracomment>
        <translation>α = %1° (program: %2)</translation>
    </message>
    <message>
        <source>θc = %1°,  α = %2° (v programu %3)</source>
        <extracomment>%1 the critical angle, %2 the angle of incidence, in true degrees; %3 the angle of incidence as the program holds it.</extracomment>
        <translation>θc = %1°,  α = %2° (program: %3)</translation>
    </message>
    <message>
        <source>hloubka vniku %1 twipu = %2 λ₀</source>
        <extracomment>The evanescent wave&apos;s penetration depth into the air: %1 in twips, %2 in wavelengths in air (λ₀).</extracomment>
        <translation>penetration depth %1 twips = %2 λ₀</translation>
    </message>
    <message>
        <source>parametry pokusu: volba „35“</source>
        <extracomment>Which angle option&apos;s parameters (curve scales, arrow lengths, rays drawn) the run takes.</extracomment>
        <translation>run parameters: option “35”</translation>
    </message>
    <message>
        <source>parametry pokusu: volba „60“</source>
        <extracomment>Which angle option&apos;s parameters (curve scales, arrow lengths, rays drawn) the run takes.</extracomment>
        <translation>run parameters: option “60”</translation>
    </message>
    <message>
        <source>parametry pokusu: volba „Mezní“</source>
        <extracomment>Which angle option&apos;s parameters (curve scales, arrow lengths, rays drawn) the run takes; &quot;Mezní&quot; is the option of the critical angle.</extracomment>
        <translation>run parameters: option “Critical”</translation>
    </message>
    <message>
        <source>rozbíhavost ±%1° sahá přes θc: část se láme</source>
        <extracomment>When the angle of incidence lies closer to the critical angle than the beam&apos;s spread: %1 the spread in degrees. The lit stretch is only 1000 twips wide, so the beam&apos;s directions spread on both sides of the critical angle and part of it is refracted after all.</extracomment>
        <translation>spread ±%1° straddles θc: part refracts</translation>
    </message>
    <message>
        <source>α není úhel volby: kreslí se v jejím měřítku</source>
        <extracomment>Under the option when the angle typed is not the option&apos;s own: the picture keeps the option&apos;s curve scales (and its arrow lengths and rays), whatever the angle.</extracomment>
        <translation>α is not the option&apos;s: drawn to its scales</translation>
    </message>
</context>
<context>
    <name>WholeFiles</name>
    <message>
        <source>Soubor „%1“ se nepodařilo uložit: %2</source>
        <extracomment>%1 is the file&apos;s name, %2 why it was not saved: one of the reasons in this context, or the system&apos;s own words for a failure they do not name.</extracomment>
        <translation>The file “%1” could not be saved: %2</translation>
    </message>
    <message>
        <source>jeho obsah se nepodařilo vytvořit, nejspíš pro nedostatek paměti</source>
        <extracomment>Why, after &quot;Soubor „%1“ se nepodařilo uložit: …&quot;.</extracomment>
        <translation>its contents could not be made, most likely for lack of memory</translation>
    </message>
    <message>
        <source>je to odkaz na soubor, který neexistuje</source>
        <extracomment>Why, after &quot;Soubor „%1“ se nepodařilo uložit: …&quot;.</extracomment>
        <translation>it is a link to a file that does not exist</translation>
    </message>
    <message>
        <source>není to obyčejný soubor (je to třeba složka nebo zařízení), a tak se nepřepisuje</source>
        <extracomment>Why, after &quot;Soubor „%1“ se nepodařilo uložit: …&quot;.</extracomment>
        <translation>it is not a regular file (a folder or a device, say), so it is not replaced</translation>
    </message>
    <message>
        <source>Soubory „%1“ a „%2“ jsou jeden a týž soubor; nic se neuložilo.</source>
        <extracomment>Two of the files to be saved at once name one file; %1 and %2 are their names.</extracomment>
        <translation>“%1” and “%2” are one and the same file; nothing was saved.</translation>
    </message>
    <message>
        <source>disk je plný</source>
        <extracomment>Why, after &quot;Soubor „%1“ se nepodařilo uložit: …&quot;.</extracomment>
        <translation>the disk is full</translation>
    </message>
    <message>
        <source>k zápisu chybí oprávnění</source>
        <extracomment>Why, after &quot;Soubor „%1“ se nepodařilo uložit: …&quot;.</extracomment>
        <translation>permission to write is missing</translation>
    </message>
    <message>
        <source>taková složka neexistuje</source>
        <extracomment>Why, after &quot;Soubor „%1“ se nepodařilo uložit: …&quot;.</extracomment>
        <translation>no such folder exists</translation>
    </message>
    <message>
        <source>disk je jen pro čtení</source>
        <extracomment>Why, after &quot;Soubor „%1“ se nepodařilo uložit: …&quot;.</extracomment>
        <translation>the disk is read-only</translation>
    </message>
    <message>
        <source>soubor by byl příliš velký</source>
        <extracomment>Why, after &quot;Soubor „%1“ se nepodařilo uložit: …&quot;.</extracomment>
        <translation>the file would be too large</translation>
    </message>
    <message>
        <source>je chráněný proti zápisu, a tak se nepřepisuje</source>
        <extracomment>Why, after &quot;Soubor „%1“ se nepodařilo uložit: …&quot;.</extracomment>
        <translation>it is write-protected, so it is not replaced</translation>
    </message>
</context>
<context>
    <name>WindowSizeKeys</name>
    <message>
        <source>Celá obrazovka</source>
        <translation>Full screen</translation>
    </message>
    <message>
        <source>Zvětšit</source>
        <translation>Larger</translation>
    </message>
    <message>
        <source>Zmenšit</source>
        <translation>Smaller</translation>
    </message>
    <message>
        <source>Původní velikost</source>
        <extracomment>Back to the window&apos;s designed size, 100 %.</extracomment>
        <translation>Design size</translation>
    </message>
    <message>
        <source>Opustit celou obrazovku</source>
        <translation>Leave full screen</translation>
    </message>
</context>
<context>
    <name>Worksheet</name>
    <message>
        <source>Brontel: klíč k pracovnímu listu</source>
        <translation>Brontel: worksheet key</translation>
    </message>
    <message>
        <source>Brontel: pracovní list</source>
        <translation>Brontel: worksheet</translation>
    </message>
    <message>
        <source>Klíč k pracovnímu listu: úplný odraz světla</source>
        <translation>Worksheet key: total internal reflection of light</translation>
    </message>
    <message>
        <source>Pracovní list: úplný odraz světla</source>
        <translation>Worksheet: total internal reflection of light</translation>
    </message>
    <message>
        <source>Jméno: ______________________   Třída: ________   Datum: ____________</source>
        <translation>Name: ______________________   Class: ________   Date: ____________</translation>
    </message>
    <message>
        <source>1. Předpověď</source>
        <translation>1. Prediction</translation>
    </message>
    <message>
        <source>Zvolte vodu, úhel 35 a detektor H ve výšce 750 twipů. Než stisknete Start, zvolte v nabídce obrázku „Předpověď“ a načrtněte, kudy podle vás povedou křivky detektorů V, H a L. Pak pokus spusťte. V čem se výsledek od vaší předpovědi liší?</source>
        <translation>Choose water, the angle 35 and detector H 750 twips above the surface. Before you press Start, choose “Prediction” in the picture&apos;s menu and sketch where you expect the curves of detectors V, H and L to go. Then run the experiment. How does the result differ from your prediction?</translation>
    </message>
    <message>
        <source>Nad hladinou zachytí V lomené světlo (největší druhá mocnina výslednice %1), pod hladinou jen odražené světlo, a to slabé (nejvýše %2): odražený svazek protíná čáru V jen při 60°. Křivka H ukazuje lomený svazek ve vzduchu, křivka L odražený svazek ve vodě.</source>
        <translation>Above the surface V catches the refracted light (largest squared resultant %1), below it only reflected light, and weak (at most %2): the reflected beam crosses V&apos;s line only at 60°. Curve H shows the refracted beam in the air, curve L the reflected beam in the water.</translation>
    </message>
    <message>
        <source>2. Mezní úhel</source>
        <translation>2. The critical angle</translation>
    </message>
    <message>
        <source>Vypočtěte mezní úhel vody (n = 1,33) a skla (n = 1,5) ze vztahu sin θc = 1/n. Pak zvolte „Mezní“ u vody i u skla a porovnejte své výsledky s úhly, které program napíše do pole úhlu dopadu.</source>
        <translation>Work out the critical angle of water (n = 1.33) and of glass (n = 1.5) from sin θc = 1/n. Then choose “Critical” with water and with glass and compare your results with the angles the program writes into the angle field.</translation>
    </message>
    <message>
        <source>Voda: θc = %1°, sklo: θc = %2°. Program napíše %3 a %4: převádí stupně na radiány s 3,14 místo π, takže jeho %3 je skutečných %5° a jeho %4 skutečných %6°, v obou případech těsně za mezním úhlem.</source>
        <translation>Water: θc = %1°, glass: θc = %2°. The program writes %3 and %4: it turns degrees into radians with 3.14 for π, so its %3 is a true %5° and its %4 a true %6°, in both cases just past the critical angle.</translation>
    </message>
    <message>
        <source>3. Lom</source>
        <translation>3. Refraction</translation>
    </message>
    <message>
        <source>Světlo dopadá zespodu na rozhraní pod úhlem 35°. Vypočtěte ze Snellova zákona n sin α = sin β úhel lomu β ve vzduchu pro vodu a pro sklo.</source>
        <translation>Light meets the surface from below at 35°. Work out from Snell&apos;s law n sin α = sin β the angle β of the refracted ray in the air, for water and for glass.</translation>
    </message>
    <message>
        <source>Voda: β = %1°, sklo: β = %2°.</source>
        <translation>Water: β = %1°, glass: β = %2°.</translation>
    </message>
    <message>
        <source>4. Srovnání na jedné stupnici</source>
        <translation>4. Compared on one scale</translation>
    </message>
    <message>
        <source>Spusťte vodu při úhlu 35 a pak při úhlu 60, obojí se vzdáleností 750 twipů, a oba běhy si ponechte („Ponechat běh“). V tabulce CSV každého běhu najděte největší hodnotu l_amplitude_squared a ve srovnání běhů největší hodnotu detektoru L na jednotku šipky. Při kterém úhlu se odráží víc světla? Proč to samotné hodnoty z CSV neukážou?</source>
        <translation>Run water at the angle 35 and then at 60, both with the distance 750 twips, and keep both runs (“Keep this run”). Find the largest l_amplitude_squared in each run&apos;s CSV table, and in the comparison the largest value of detector L per unit arrow. At which angle is more light reflected? Why do the CSV&apos;s values alone not show it?</translation>
    </message>
    <message>
        <source>CSV: %1 při 35° a %2 při 60°, skoro stejně. Na jednotku šipky: %3 a %4, tedy při 60° asi %5krát víc: tam se světlo úplně odráží. Šipky detektoru L jsou při 35° dvakrát delší (6 proti 3), a druhá mocnina výslednice proto čtyřikrát větší. Poměr není poměrem Fresnelových odrazivostí z panelu teorie: model sčítá šipky bez ohledu na polarizaci.</source>
        <translation>CSV: %1 at 35° and %2 at 60°, nearly equal. Per unit arrow: %3 and %4, so about %5 times more at 60°: there the light is totally reflected. Detector L&apos;s arrows are twice as long at 35° (6 against 3), so the squared resultant is four times larger. The ratio is not the ratio of the Fresnel reflectances in the theory panel: the model sums arrows without regard to polarisation.</translation>
    </message>
    <message>
        <source>5. Odrazivost a Brewsterův úhel</source>
        <translation>5. Reflectance and Brewster&apos;s angle</translation>
    </message>
    <message>
        <source>V panelu teorie odečtěte odrazivosti Rs a Rp vody při úhlu 35. Proč je Rp tak malá? Vypočtěte Brewsterův úhel tg αB = 1/n pro světlo, které jde z vody do vzduchu.</source>
        <translation>Read the reflectances Rs and Rp of water at the angle 35 in the theory panel. Why is Rp so small? Work out Brewster&apos;s angle tan αB = 1/n for light going from water into the air.</translation>
    </message>
    <message>
        <source>Rs = %1 %, Rp = %2 %. Úhel 35° leží blízko Brewsterova úhlu vody αB = %3°, při kterém se světlo polarizované v rovině dopadu neodráží vůbec.</source>
        <translation>Rs = %1 %, Rp = %2 %. 35° lies near water&apos;s Brewster angle αB = %3°, at which light polarised in the plane of incidence is not reflected at all.</translation>
    </message>
    <message>
        <source>6. Detektor H při mezním úhlu</source>
        <translation>6. Detector H at the critical angle</translation>
    </message>
    <message>
        <source>Zvolte vodu, „Mezní“ a vzdálenost 100 twipů a pokus spusťte. Co ukazuje křivka H? Je to evanescentní vlna? Pomozte si nápovědou.</source>
        <translation>Choose water, “Critical” and the distance 100 twips and run the experiment. What does curve H show? Is it the evanescent wave? The help will help you.</translation>
    </message>
    <message>
        <source>Není. H zachytí světlo, které se ohýbá na okrajích úzkého svazku a letí těsně nad rozhraním. Evanescentní vlna sahá při tomto nastavení jen asi d = %1 twipu do vzduchu; ve výšce 100 twipů by z její intenzity zbylo e^(−2·100/d) = %2.</source>
        <translation>It is not. H catches light diffracted at the edges of the narrow beam, flying just above the surface. At this setting the evanescent wave reaches only about d = %1 twips into the air; 100 twips up, e^(−2·100/d) = %2 of its intensity would be left.</translation>
    </message>
    <message>
        <source>7. Narušený (frustrovaný) úplný odraz</source>
        <translation>7. Frustrated total internal reflection</translation>
    </message>
    <message>
        <source>Dva skleněné hranoly dělí tenká vrstva vzduchu a světlo dopadá na rozhraní pod úhlem 60°. Vysvětlete slovy, proč část světla projde do druhého hranolu, když je vrstva velmi tenká, a proč skoro žádné, když je silná. Kde se toho využívá?</source>
        <translation>A thin layer of air separates two glass prisms, and light meets the surface at 60°. Explain in words why part of the light passes into the second prism when the layer is very thin, and almost none when it is thick. Where is this used?</translation>
    </message>
    <message>
        <source>Za rozhraním sahá do vzduchu evanescentní pole, jehož amplituda klesá na 1/e na délce d = %1 twipu (%2 vlnové délky ve vzduchu). Zasáhne-li druhý hranol do tohoto pole, světlo v něm pokračuje; jeho intenzita klesá s šířkou mezery g přibližně jako e^(−2g/d), takže už přes mezeru jedné vlnové délky projde jen asi %3. Využívá se ve snímačích otisků prstů a v děličích svazku.</source>
        <translation>Past the surface an evanescent field reaches into the air; its amplitude falls to 1/e over d = %1 twip (%2 of a wavelength in air). Where the second prism reaches into this field, the light goes on in it; its intensity falls with the gap g about as e^(−2g/d), so across a gap of one wavelength only about %3 gets through. Fingerprint readers and beam splitters use it.</translation>
    </message>
</context>
<context>
    <name>WorksheetWindow</name>
    <message>
        <source>Brontel: pracovní list</source>
        <translation>Brontel: worksheet</translation>
    </message>
    <message>
        <source>List pro žáky</source>
        <translation>Pupils&apos; sheet</translation>
    </message>
    <message>
        <source>Klíč pro učitele</source>
        <translation>Teacher&apos;s key</translation>
    </message>
    <message>
        <source>Tisknout…</source>
        <translation>Print…</translation>
    </message>
    <message>
        <source>Uložit jako PDF…</source>
        <translation>Save as PDF…</translation>
    </message>
    <message>
        <source>Náhled pracovního listu</source>
        <translation>Worksheet preview</translation>
    </message>
    <message>
        <source>Pracovní list se nevytiskl.</source>
        <translation>The worksheet was not printed.</translation>
    </message>
    <message>
        <source>Dokument PDF (*.pdf)</source>
        <translation>PDF document (*.pdf)</translation>
    </message>
    <message>
        <source>Uložit pracovní list</source>
        <translation>Save the worksheet</translation>
    </message>
</context>
</TS>
