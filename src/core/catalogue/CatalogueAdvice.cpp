#include "core/catalogue/CatalogueNotes.h"

namespace zarvex1 {

namespace {

using W = ValueWidth;

// When to change a value, only as far as the unit's description and the window's own rules say it.
struct AdviceRow {
    ValueWidth width;
    int first; // the first position of the notes' run
    Texts3 advice;
};

constexpr AdviceRow Advice[] = {
    {W::Word,
     0,
     {"Only while a multifunction input is set to Start Limiter and active. Keep it below Start limiter: "
      "from here the unit begins to cut sparks.",
      "Nur solange ein Multifunktionseingang auf Startbegrenzer steht und aktiv ist. Halten Sie ihn unter "
      "dem Startbegrenzer: ab hier beginnt die Zündung Funken auszublenden.",
      "Jen dokud je multifunkční vstup nastaven na startovací omezovač a je aktivní. Držte ji pod "
      "startovacím omezovačem: odtud zapalování začíná vynechávat jiskry."}},
    {W::Word,
     1,
     {"Set it to the engine speed the engine is to hold at the start while the input is active.",
      "Stellen Sie die Drehzahl ein, die der Motor beim Start halten soll, solange der Eingang aktiv ist.",
      "Nastavte otáčky, které má motor při startu držet, dokud je vstup aktivní."}},
    {W::Word,
     2,
     {"Keep it below Limiter (the defaults are 10800 and 11000 rpm). The Race page corrects it per gear.",
      "Halten Sie ihn unter dem Begrenzer (Vorgabe 10800 und 11000 U/min). Die Seite Rennen korrigiert ihn "
      "je Gang.",
      "Držte ji pod omezovačem (výchozí 10800 a 11000 ot/min). Stránka Závod ji koriguje podle stupně."}},
    {W::Word,
     3,
     {"Set it to the highest engine speed the engine may reach. The Race page corrects it per gear.",
      "Stellen Sie die höchste Drehzahl ein, die der Motor erreichen darf. Die Seite Rennen korrigiert ihn "
      "je "
      "Gang.",
      "Nastavte nejvyšší otáčky, kterých motor smí dosáhnout. Stránka Závod je koriguje podle stupně."}},
    {W::Word,
     4,
     {"Whenever the throttle sensor is fitted, moved or replaced: with the unit connected, close the "
      "throttle and press \"TPS 0 % ->\" on the Inputs page; the live sensor voltage (200 to 4950 mV) "
      "becomes the value.",
      "Immer wenn der Drosselklappengeber eingebaut, verstellt oder ersetzt wird: bei verbundener Zündung "
      "die Klappe schließen und auf der Seite Eingänge \"TPS 0 % ->\" drücken; die gemessene Spannung "
      "(200 bis 4950 mV) wird übernommen.",
      "Vždy, když se snímač plynu montuje, posune nebo vymění: s připojeným zapalováním zavřete plyn a na "
      "stránce Vstupy stiskněte \"TPS 0 % ->\"; převezme se živé napětí snímače (200 až 4950 mV)."}},
    {W::Word,
     5,
     {"As for 0 %: open the throttle fully and press \"TPS 100 % ->\".",
      "Wie bei 0 %: die Klappe ganz öffnen und \"TPS 100 % ->\" drücken.",
      "Jako u 0 %: plně otevřete plyn a stiskněte \"TPS 100 % ->\"."}},
    {W::Word,
     6,
     {"Only with the IAP sensor: enter two points of the sensor's data sheet, each a pressure and the "
      "sensor's voltage at it.",
      "Nur mit dem IAP-Geber: tragen Sie zwei Punkte aus dem Datenblatt des Gebers ein, je einen Druck und "
      "die Spannung des Gebers dabei.",
      "Jen se snímačem IAP: zadejte dva body z katalogového listu snímače, vždy tlak a napětí snímače při "
      "něm."}},
    {W::Word,
     8,
     {"With the calibration pressures, from the sensor's data sheet.",
      "Mit den Kalibrierdrücken, aus dem Datenblatt des Gebers.",
      "S kalibračními tlaky, z katalogového listu snímače."}},
    {W::Word,
     10,
     {"Choosing what the potentiometer controls sets it (0 off, 5 advance, 1000 start limiter and pilot "
      "light, 2000 acceleration switch); change it to widen or narrow what the potentiometer moves.",
      "Die Wahl, was das Potentiometer steuert, setzt ihn (0 aus, 5 Vorzündung, 1000 Startbegrenzer und "
      "Kontrollleuchte, 2000 Beschleunigungsschwelle); ändern Sie ihn, um den Stellweg zu vergrößern oder zu "
      "verkleinern.",
      "Volba toho, co potenciometr ovládá, ji nastaví (0 vypnuto, 5 předstih, 1000 startovací omezovač a "
      "kontrolka, 2000 práh zrychlení); změňte ji, chcete-li rozsah potenciometru zvětšit nebo zmenšit."}},
    {W::Word,
     11,
     {"Only with the IAP sensor: spread the ten points over the pressures the engine runs at; they rise by "
      "at least 1 kPa.",
      "Nur mit dem IAP-Geber: verteilen Sie die zehn Punkte über die Drücke, bei denen der Motor läuft; sie "
      "steigen um mindestens 1 kPa.",
      "Jen se snímačem IAP: rozložte deset bodů na tlaky, při kterých motor běží; stoupají nejméně o 1 "
      "kPa."}},
    {W::Word,
     21,
     {"Move points to where the map needs finer steps; they rise by at least 50 rpm (the program keeps them "
      "so).",
      "Legen Sie die Punkte dorthin, wo das Kennfeld feinere Stufen braucht; sie steigen um mindestens "
      "50 U/min (das Programm hält sie so).",
      "Posuňte body tam, kde mapa potřebuje jemnější kroky; stoupají nejméně o 50 ot/min (program je tak "
      "drží)."}},
    {W::Word, 36, {"As for map 1.", "Wie bei Kennfeld 1.", "Jako u mapy 1."}},
    {W::Word,
     51,
     {"As for the advance maps.", "Wie bei den Vorzündungskennfeldern.", "Jako u map předstihu."}},
    {W::Word,
     66,
     {"Set it for the speed sensor and wheel fitted, in the meaning the speed setting chooses.",
      "Stellen Sie ihn für den eingebauten Geber und das Rad ein, in der Bedeutung, die die "
      "Tachometereinstellung wählt.",
      "Nastavte ji pro namontovaný snímač a kolo, ve významu, který zvolí nastavení rychloměru."}},
    {W::Word,
     67,
     {"Teach it: ride in gear # with the engine running and press \"<- Gear #\" on the Gear page; the live "
      "ratio becomes the value. Its unit is not stated by the unit's description.",
      "Anlernen: im Gang # mit laufendem Motor fahren und auf der Seite Gang \"<- Gang #\" drücken; das "
      "gemessene Verhältnis wird übernommen. Seine Einheit nennt die Beschreibung der Zündung nicht.",
      "Naučte ji: jeďte na stupeň # s běžícím motorem a na stránce Převody stiskněte \"<- Stupeň #\"; "
      "převezme "
      "se živý poměr. Jednotku popis zapalování neuvádí."}},
    {W::Word,
     73,
     {"Teach it: engage gear # and press \"<- Gear #\" on the Gear page; the live gear-sensor voltage "
      "becomes the value.",
      "Anlernen: Gang # einlegen und auf der Seite Gang \"<- Gang #\" drücken; die gemessene Spannung des "
      "Ganggebers wird übernommen.",
      "Naučte ji: zařaďte stupeň # a na stránce Převody stiskněte \"<- Stupeň #\"; převezme se živé napětí "
      "snímače stupně."}},
    {W::Byte,
     230,
     {"First, for a new bike: a change asks \"Do you want default setting?\" and then sets the "
      "synchronisation for the type. Special setting keeps every value for setting by hand.",
      "Zuerst, für ein neues Motorrad: ein Wechsel fragt nach der Grundeinstellung und setzt dann die "
      "Synchronisierung für den Typ. Sonderstellung behält jeden Wert für die Einstellung von Hand.",
      "Nejdříve, u nového motocyklu: změna se zeptá na výchozí nastavení a pak nastaví synchronizaci pro "
      "typ. Speciální nastavení ponechá všechny hodnoty k ručnímu nastavení."}},
    {W::Byte,
     234,
     {"When the two pick-ups are wired to each other's pins (13 and 26).",
      "Wenn die beiden Geber an den Pins des jeweils anderen angeschlossen sind (13 und 26).",
      "Když jsou oba snímače zapojeny na piny toho druhého (13 a 26)."}},
    {W::Byte,
     237,
     {"Tick it for a four-stroke engine that is to get a spark on every other revolution only.",
      "Setzen Sie es für einen Viertaktmotor, der nur bei jeder zweiten Umdrehung zünden soll.",
      "Zaškrtněte u čtyřtaktu, který má dostat jiskru jen každou druhou otáčku."}},
    {W::Byte,
     240,
     {"The motorbike type sets it; choose it by hand only with Special setting, to match the rotor's "
      "lobes and the pick-ups fitted.",
      "Der Motorradtyp setzt sie; wählen Sie sie nur bei Sonderstellung von Hand, passend zu den "
      "Leitstücken des Rotors und den eingebauten Gebern.",
      "Nastaví ji typ motocyklu; ručně ji volte jen u speciálního nastavení, podle výstupků rotoru a "
      "namontovaných snímačů."}},
    {W::Byte,
     242,
     {"Special setting only: count the lobes on the rotor.",
      "Nur bei Sonderstellung: zählen Sie die Leitstücke am Rotor.",
      "Jen u speciálního nastavení: spočítejte výstupky na rotoru."}},
    {W::Byte,
     243,
     {"Special setting only: 1 or 2, as coils are wired; with 2 the page shows channel 2.",
      "Nur bei Sonderstellung: 1 oder 2, wie Spulen angeschlossen sind; bei 2 zeigt die Seite Kanal 2.",
      "Jen u speciálního nastavení: 1 nebo 2 podle zapojených cívek; při 2 stránka ukazuje kanál 2."}},
    {W::Byte,
     244,
     {"The motorbike type sets it; by hand only with Special setting, from the rotor's layout.",
      "Der Motorradtyp setzt ihn; von Hand nur bei Sonderstellung, nach dem Aufbau des Rotors.",
      "Nastaví ji typ motocyklu; ručně jen u speciálního nastavení, podle uspořádání rotoru."}},
    {W::Byte,
     246,
     {"The motorbike type sets it; by hand only with Special setting, from the rotor's layout.",
      "Der Motorradtyp setzt ihn; von Hand nur bei Sonderstellung, nach dem Aufbau des Rotors.",
      "Nastaví ji typ motocyklu; ručně jen u speciálního nastavení, podle uspořádání rotoru."}},
    {W::Byte,
     248,
     {"The motorbike type sets it; by hand only with Special setting.",
      "Der Motorradtyp setzt es; von Hand nur bei Sonderstellung.",
      "Nastaví jej typ motocyklu; ručně jen u speciálního nastavení."}},
    {W::Byte,
     250,
     {"The motorbike type sets it; by hand only with Special setting.",
      "Der Motorradtyp setzt es; von Hand nur bei Sonderstellung.",
      "Nastaví jej typ motocyklu; ručně jen u speciálního nastavení."}},
    {W::Byte,
     252,
     {"Only with a second pick-up (synchronisation methods 0, 4, 6 and 10); by hand only with Special "
      "setting.",
      "Nur mit einem zweiten Geber (Synchronisierungsarten 0, 4, 6 und 10); von Hand nur bei "
      "Sonderstellung.",
      "Jen s druhým snímačem (synchronizace 0, 4, 6 a 10); ručně jen u speciálního nastavení."}},
    {W::Byte,
     254,
     {"Only with a second pick-up (synchronisation methods 0, 4, 6 and 10); by hand only with Special "
      "setting.",
      "Nur mit einem zweiten Geber (Synchronisierungsarten 0, 4, 6 und 10); von Hand nur bei "
      "Sonderstellung.",
      "Jen s druhým snímačem (synchronizace 0, 4, 6 a 10); ručně jen u speciálního nastavení."}},
    {W::Byte,
     256,
     {"The motorbike type sets it; by hand only with Special setting.",
      "Der Motorradtyp setzt sie; von Hand nur bei Sonderstellung.",
      "Nastaví je typ motocyklu; ručně jen u speciálního nastavení."}},
    {W::Byte,
     257,
     {"Set it to the pulses the tachometer expects for one revolution: when it shows a multiple or a "
      "fraction of the engine speed, this value is wrong.",
      "Stellen Sie die Impulse ein, die der Drehzahlmesser je Umdrehung erwartet: zeigt er ein Vielfaches "
      "oder einen Bruchteil der Drehzahl, stimmt dieser Wert nicht.",
      "Nastavte pulzy, které otáčkoměr očekává na otáčku: ukazuje-li násobek nebo zlomek otáček, je tato "
      "hodnota chybná."}},
    {W::Byte,
     258,
     {"When the tachometer reads a few percent high or low.",
      "Wenn der Drehzahlmesser einige Prozent zu hoch oder zu niedrig anzeigt.",
      "Když otáčkoměr ukazuje o několik procent více nebo méně."}},
    {W::Byte,
     260,
     {"Set each input to what is wired to it. Gear detection by voltage takes input 2, by speed input 3 "
      "(shown as Gear and Speed).",
      "Stellen Sie jeden Eingang auf das ein, was daran angeschlossen ist. Die Gangerkennung über Spannung "
      "belegt Eingang 2, über Geschwindigkeit Eingang 3 (angezeigt als Gear und Speed).",
      "Nastavte každý vstup podle toho, co je k němu připojeno. Určení stupně napětím zabere vstup 2, "
      "rychlostí vstup 3 (zobrazeno jako Gear a Speed)."}},
    {W::Byte,
     263,
     {"When the input's function acts the wrong way round (for example while the switch is released).",
      "Wenn die Funktion des Eingangs verkehrt herum wirkt (etwa bei losgelassenem Schalter).",
      "Když funkce vstupu působí obráceně (například při uvolněném spínači)."}},
    {W::Byte,
     267,
     {"Only while an input set to Retard is active, or in the clutch master's retard mode.",
      "Nur solange ein auf Spätzündung gestellter Eingang aktiv ist, oder in der Spätzündungsart des "
      "Schaltautomaten.",
      "Jen dokud je aktivní vstup nastavený na snížení předstihu, nebo v režimu snížení předstihu clutch "
      "master."}},
    {W::Byte,
     269,
     {"Lower it for map 2 to take over on gentler acceleration, raise it for harder acceleration only.",
      "Senken Sie sie, damit Kennfeld 2 schon bei sanfterer Beschleunigung übernimmt, erhöhen Sie sie für "
      "nur stärkere Beschleunigung.",
      "Snižte jej, má-li mapa 2 převzít už při mírnějším zrychlení, zvyšte jej jen pro prudší zrychlení."}},
    {W::Byte,
     270,
     {"Choose what the potentiometer on the bike adjusts; the choice also sets its range.",
      "Wählen Sie, was das Potentiometer am Motorrad verstellt; die Wahl setzt auch seinen Stellweg.",
      "Zvolte, co potenciometr na motocyklu nastavuje; volba nastaví i jeho rozsah."}},
    {W::Byte,
     271,
     {"Set it to the sensor fitted; with NO the maps use engine speed only. A change sets the load "
      "thresholds of the power outputs to 75 and 90 (% or kPa).",
      "Stellen Sie den eingebauten Geber ein; bei Kein nutzen die Kennfelder nur die Drehzahl. Ein Wechsel "
      "setzt die Lastschwellen der Ausgänge auf 75 und 90 (% oder kPa).",
      "Nastavte namontovaný snímač; při Není používají mapy jen otáčky. Změna nastaví prahy zatížení výstupů "
      "na 75 a 90 (% nebo kPa)."}},
    {W::Byte,
     273,
     {"Untick it for maps over engine speed alone.",
      "Nehmen Sie es weg für Kennfelder nur über der Drehzahl.",
      "Zrušte zaškrtnutí pro mapy jen podle otáček."}},
    {W::Byte,
     274,
     {"When cylinder # needs another advance than the map gives: the correction adds to the map on its "
      "channel.",
      "Wenn Zylinder # eine andere Vorzündung braucht, als das Kennfeld gibt: die Korrektur wird auf seinem "
      "Kanal zum Kennfeld addiert.",
      "Když válec # potřebuje jiný předstih, než dává mapa: korekce se na jeho kanálu přičte k mapě."}},
    {W::Byte,
     276,
     {"The main tuning value: change the cells where the engine runs (the green ring shows it), a little "
      "at a time, and verify the set before the engine starts. Too much advance can damage the engine.",
      "Der wichtigste Abstimmwert: ändern Sie die Zellen, in denen der Motor läuft (der grüne Ring zeigt "
      "sie), in kleinen Schritten, und prüfen Sie den Satz vor dem Motorstart. Zu viel Vorzündung kann den "
      "Motor beschädigen.",
      "Hlavní ladicí hodnota: měňte buňky, ve kterých motor běží (ukazuje je zelený kroužek), po malých "
      "krocích, a sadu ověřte před startem motoru. Příliš velký předstih může motor poškodit."}},
    {W::Byte,
     426,
     {"Only when an input set to 2 nd advance chart is active or the acceleration passes its threshold; "
      "tune it as map 1.",
      "Nur wenn ein auf 2. Vorzündungskennfeld gestellter Eingang aktiv ist oder die Beschleunigung ihre "
      "Schwelle überschreitet; abstimmen wie Kennfeld 1.",
      "Jen když je aktivní vstup nastavený na 2. mapu předstihu nebo zrychlení překročí svůj práh; ladí se "
      "jako mapa 1."}},
    {W::Byte,
     576,
     {"Tick it when a servo is connected to the unit.", "Setzen Sie es, wenn ein Servo an der Zündung hängt.",
      "Zaškrtněte, je-li k zapalování připojeno servo."}},
    {W::Byte,
     577,
     {"Changes how the map's cells read (V or %).", "Ändert, wie die Zellen des Kennfelds lesen (V oder %).",
      "Mění, jak se čtou buňky mapy (V nebo %)."}},
    {W::Byte,
     578,
     {"Without a load sensor the Servo page stores engine speed only.",
      "Ohne Lastgeber speichert die Seite Servo nur Drehzahl.",
      "Bez snímače zatížení ukládá stránka Servo jen otáčky."}},
    {W::Byte,
     579,
     {"Widen it when the servo keeps moving to and fro around its position.",
      "Vergrößern Sie es, wenn das Servo um seine Stellung hin und her pendelt.",
      "Rozšiřte je, když servo kolem své polohy kmitá sem a tam."}},
    {W::Byte,
     580,
     {"Set the positions the servo is to take over engine speed and load.",
      "Stellen Sie die Stellungen ein, die das Servo über Drehzahl und Last einnehmen soll.",
      "Nastavte polohy, které má servo zaujímat podle otáček a zatížení."}},
    {W::Byte,
     730,
     {"Choose what is wired to the output, or Special setting to set its switching table freely. A change "
      "of mode sets the output's thresholds and table to the mode's defaults.",
      "Wählen Sie, was am Ausgang angeschlossen ist, oder Sonderstellung, um seine Schalttabelle frei "
      "einzustellen. Ein Moduswechsel setzt die Schwellen und die Tabelle des Ausgangs auf die Vorgaben des "
      "Modus.",
      "Zvolte, co je k výstupu připojeno, nebo speciální nastavení pro volné nastavení spínací tabulky. "
      "Změna režimu nastaví prahy a tabulku výstupu na výchozí hodnoty režimu."}},
    {W::Byte,
     734,
     {"Set where the output is to switch; each is above the one before.",
      "Stellen Sie ein, wo der Ausgang schalten soll; jede liegt über der vorigen.",
      "Nastavte, kde má výstup spínat; každý práh je nad předchozím."}},
    {W::Byte,
     746,
     {"Widen it when the output switches on and off around a threshold.",
      "Vergrößern Sie sie, wenn der Ausgang um eine Schwelle herum ein- und ausschaltet.",
      "Zvětšete ji, když výstup kolem prahu zapíná a vypíná."}},
    {W::Byte,
     750,
     {"Set where the output is to switch by load; the second is above the first.",
      "Stellen Sie ein, wo der Ausgang nach Last schalten soll; die zweite liegt über der ersten.",
      "Nastavte, kde má výstup spínat podle zatížení; druhý práh je nad prvním."}},
    {W::Byte,
     758,
     {"Only with Special setting are the cells free; the other modes show their fixed pattern.",
      "Nur bei Sonderstellung sind die Zellen frei; die anderen Modi zeigen ihr festes Muster.",
      "Jen u speciálního nastavení jsou buňky volné; ostatní režimy ukazují svůj pevný vzor."}},
    {W::Byte,
     770,
     {"Choose how the gear is known: by the gear sensor's voltage (input 2), by the ratio of engine speed "
      "to road speed (input 3 as speed sensor) or learned automatically; then teach each gear.",
      "Wählen Sie, wie der Gang erkannt wird: über die Spannung des Ganggebers (Eingang 2), über das "
      "Verhältnis von Drehzahl zu Geschwindigkeit (Eingang 3 als Geschwindigkeitsgeber) oder automatisch "
      "gelernt; dann jeden Gang anlernen.",
      "Zvolte, jak se stupeň určí: napětím snímače stupně (vstup 2), poměrem otáček a rychlosti (vstup 3 "
      "jako snímač rychlosti) nebo automatickým učením; pak naučte každý stupeň."}},
    {W::Byte,
     771,
     {"Set it to the gearbox's gears.", "Stellen Sie die Gänge des Getriebes ein.",
      "Nastavte počet stupňů převodovky."}},
    {W::Byte,
     772,
     {"As the speed sensor's figure is known: pulses in 1 s at 100 km/h, or mm per pulse.",
      "So, wie die Angabe des Gebers bekannt ist: Impulse in 1 s bei 100 km/h oder mm je Impuls.",
      "Podle toho, jak je údaj snímače znám: pulzy za 1 s při 100 km/h, nebo mm na pulz."}},
    {W::Byte,
     777,
     {"Choose what the clutch master does while it acts: cut the ignition or retard it.",
      "Wählen Sie, was der Schaltautomat während der Betätigung tut: Zündung aus oder Spätzündung.",
      "Zvolte, co clutch master při zásahu dělá: vypne zapalování, nebo sníží předstih."}},
    {W::Byte,
     786,
     {"Below it the clutch master does nothing.", "Darunter tut der Schaltautomat nichts.",
      "Pod nimi clutch master nic nedělá."}},
    {W::Byte,
     787,
     {"Only in the clutch master's retard mode.", "Nur in der Spätzündungsart des Schaltautomaten.",
      "Jen v režimu snížení předstihu clutch master."}},
    {W::Byte,
     788,
     {"When the engine needs another advance in gear # than the maps give: it adds to the advance there.",
      "Wenn der Motor im Gang # eine andere Vorzündung braucht, als die Kennfelder geben: sie wird dort "
      "addiert.",
      "Když motor na stupni # potřebuje jiný předstih, než dávají mapy: přičte se tam."}},
    {W::Byte,
     794,
     {"To let the engine turn higher or lower in gear #: it moves the limiters there.",
      "Damit der Motor im Gang # höher oder niedriger drehen darf: sie verschiebt dort die Begrenzer.",
      "Aby motor na stupni # smel točit výš nebo níž: posouvá tam omezovače."}},
    {W::Byte,
     806,
     {"To move the output's speed thresholds in one gear.",
      "Um die Drehzahlschwellen des Ausgangs in einem Gang zu verschieben.",
      "K posunutí prahů otáček výstupu na jednom stupni."}},
    {W::Byte,
     830,
     {"Only for the speed test on the Tests page.", "Nur für den Drehzahltest auf der Seite Tests.",
      "Jen pro test otáček na stránce Testy."}},
    {W::Byte,
     831,
     {"Only for the servo test on the Tests page.", "Nur für den Servotest auf der Seite Tests.",
      "Jen pro test serva na stránce Testy."}},
};

} // namespace

Texts3 AdviceOf(ValueWidth width, int first) {
    const bool word = width == ValueWidth::Word;
    for (const AdviceRow &row : Advice)
        if ((row.width == ValueWidth::Word) == word && row.first == first)
            return row.advice;
    return {};
}

} // namespace zarvex1
