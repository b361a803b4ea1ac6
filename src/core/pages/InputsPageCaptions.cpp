#include "core/pages/InputsPageModel.h"

namespace zarvex1 {

namespace {

using C = CaptionKind;

constexpr CaptionRow Rows[] = {
    {"RadioGroupInput1",
     C::Caption,
     {"Multifunction input 1", "Multifunktionseingang 1", "Multifunkční vstup 1"}},
    {"RadioGroupInput2",
     C::Caption,
     {"Multifunction input 2", "Multifunktionseingang 2", "Multifunkční vstup 2"}},
    {"RadioGroupInput3",
     C::Caption,
     {"Multifunction input 3", "Multifunktionseingang 3", "Multifunkční vstup 3"}},
    {"RadioGroupInput1",
     C::Items,
     {"Off\nKill switch\nBlocking\nClutch master\nRetard\nStart Limiter\n2 nd advance chart",
      "Aus\nNot Aus\nBlockierung\nSchaltautomat\nSpätzündung\nStartbegrenzer\n2.Vorzündung mappe",
      "Vypnut\nKill switch\nBlokování\nClutch master\nSnížení předstihu\nStartovací omezovač\n2. mapa "
      "předstihu"}},
    {"RadioGroupInput2",
     C::Items,
     {"Off\nKill switch\nBlocking\nClutch master\nRetard\nStart Limiter\n2 nd advance chart\nGear",
      "Aus\nNot Aus\nBlockierung\nSchaltautomat\nSpätzündung\nStartbegrenzer\n2.Vorzündung mappe\nGang",
      "Vypnut\nKill switch\nBlokování\nClutch master\nSnížení předstihu\nStartovací omezovač\n2. mapa "
      "předstihu\nRychlostní stupeň"}},
    {"RadioGroupInput3",
     C::Items,
     {"Off\nKill switch\nBlocking\nClutch master\nRetard\nStart Limiter\n2 nd advance chart\nSpeed",
      "Aus\nNot Aus\nBlockierung\nSchaltautomat\nSpätzündung\nStartbegrenzer\n2.Vorzündung "
      "mappe\nGeschwindigkeit",
      "Vypnut\nKill switch\nBlokování\nClutch master\nSnížení předstihu\nStartovací omezovač\n2. mapa "
      "předstihu\nRychlost"}},
    {"GroupBoxActivation",
     C::Caption,
     {"Activation by Switch on", "Aktivierung durch Einschalten", "Aktivace sepnutím"}},
    {"GroupBoxActivation",
     C::Hint,
     {"Checked items means activation by closing to ground",
      "Gezeichnete Punkt bedeutet Aktivierung durch Schaltverbindung zu Grund",
      "Zaškrtnutí znamená aktivaci připojením na zem"}},
    {"CheckBoxInvInput1",
     C::Caption,
     {"Inverse polarity of input 1", "Umgekehrte Polarität von Eingang 1", "Obrácená polarita vstupu 1"}},
    {"CheckBoxInvInput2",
     C::Caption,
     {"Inverse polarity of input 2", "Umgekehrte Polarität von Eingang 2", "Obrácená polarita vstupu 2"}},
    {"CheckBoxInvInput3",
     C::Caption,
     {"Inverse polarity of input 3", "Umgekehrte Polarität von Eingang 3", "Obrácená polarita vstupu 3"}},
    {"RadioGroupTpsIap", C::Caption, {"Sensor", "Sensor", "Snímač"}},
    {"RadioGroupTpsIap", C::Items, {"NO\nTPS\nIAP", "Kein\nTPS\nIAP", "Není\nTPS\nIAP"}},
    {"GroupBoxLimiter", C::Caption, {"Limiter", "Drehzahlbegrenzer", "Omezovač otáček"}},
    {"GroupBoxRetard", C::Caption, {"Retard", "Spätzündung", "Snížení předstihu"}},
    {"LabelRetard", C::Caption, {"Retard [°]", "Spätzündung [°]", "Snížení předstihu [°]"}},
    {"LabelRetardPocetOff",
     C::Caption,
     {"Number clutch master on for retard off", "Anzahl Schaltautomat-Betätigungen bis Spätzündung aus",
      "Počet sepnutí clutch master do vypnutí snížení"}},
    {"LabelStartSoftLimiter",
     C::Caption,
     {"Start soft limiter [rpm]", "Weicher Startbegrenzer [U/min]", "Měkký startovací omezovač [ot/min]"}},
    {"LabelStartHardLimiter",
     C::Caption,
     {"Start limiter [rpm]", "Startbegrenzer [U/min]", "Startovací omezovač [ot/min]"}},
    {"LabelStartLimiterPause",
     C::Caption,
     {"Star limiter delay [ms]", "Verzögerung Startbegrenzer [ms]", "Zpoždění startovacího omezovače [ms]"}},
    {"LabelSoftLimiter",
     C::Caption,
     {"Soft limiter [rpm]", "Weicher Begrenzer [U/min]", "Měkký omezovač [ot/min]"}},
    {"LabelHardLimiter", C::Caption, {"Limiter [rpm]", "Begrenzer [U/min]", "Omezovač [ot/min]"}},
    {"GroupBoxMapa2Switch",
     C::Caption,
     {"Switching into 2nd advance chart", "Umschaltung auf 2. Vorzündungsmappe",
      "Přepnutí do 2. mapy předstihu"}},
    {"LabelMapa2Akcel",
     C::Caption,
     {"Acceleration threshold [rpm/s]", "Beschleunigungsschwelle [U/min/s]", "Práh zrychlení [ot/min/s]"}},
    {"GroupBoxPoti", C::Caption, {"Potentiometer", "Potentiometer", "Potenciometr"}},
    {"RadioGroupModePotencMode", C::Caption, {"change", "Ändert", "Mění"}},
    {"RadioGroupModePotencMode",
     C::Items,
     {"Off\nAdvance\nStart Limiter\nPilot ligjt\nAccelaration switch of advance",
      "Aus\nVorzündung\nStartbegrenzer\nKontrollleuchte\nBeschleunigungsumschaltung der Vorzündung",
      "Vypnut\nPředstih\nStartovací omezovač\nKontrolka\nPřepnutí předstihu zrychlením"}},
    {"LabelPotencRozsah", C::Caption, {"Range - +", "Bereich - +", "Rozsah - +"}},
};

} // namespace

CaptionTable InputsPageModel::Captions() const {
    return Rows;
}

} // namespace zarvex1
