#include "exercises.h"

#include <stdexcept>

namespace assets {

int Exercise::pitch() const {
    switch (rows) {
    case RowKind::Pitch33:
        return 33;
    case RowKind::TwoLine:
        return 73;
    default:
        return 36;
    }
}

int Exercise::rowTop(int r) const {
    switch (rows) {
    case RowKind::Pitch33:
        return 33 * r + 57;
    case RowKind::TwoLine:
        return 73 * r + 26;
    default:
        return 36 * r + 54;
    }
}

namespace {

Exercise make(std::string key, int category, int slot, std::string title, std::string blurb, std::string task,
              RowKind rows) {
    Exercise e;
    e.key = std::move(key);
    e.category = category;
    e.slot = slot;
    e.title = std::move(title);
    e.blurb = std::move(blurb);
    e.task = std::move(task);
    e.rows = rows;
    return e;
}

std::vector<Exercise> buildTable() {
    std::vector<Exercise> t;

    auto e = make("01", 1, 1, "Základné sklady", "Podčiarkni podmet a prísudok.",
                  "Vyber nástroj a klikaj na slová. Nevyjadrený podmet napíš do políčka.", RowKind::Pitch33);
    e.answerField = 560;
    e.tools = {"po", "pr", "sm"};
    t.push_back(e);

    e = make("02", 1, 2, "Druhy podmetu", "Nájdi podmet a urči, aký je.",
             "Podčiarkni podmet. Klikaním na políčko vyber jeho druh.", RowKind::Pitch33);
    e.choice = Span{547, 58};
    e.tools = {"po", "sm"};
    t.push_back(e);

    e = make("03", 1, 3, "Podmet vyjadrený slovným druhom", "Akým slovným druhom je podmet?",
             "Podčiarkni podmet a vyber jeho slovný druh.", RowKind::Pitch33);
    e.answerField = 503;
    e.choice = Span{547, 58};
    e.tools = {"po", "sm"};
    t.push_back(e);

    e = make("04", 1, 4, "Druhy prísudku", "Slovesný či menný? Holý či rozvitý?",
             "Podčiarkni prísudok a klikaním urči jeho druh.", RowKind::Pitch33);
    e.choice = Span{489, 58};
    e.tools = {"pr", "sm"};
    t.push_back(e);

    e = make("05", 2, 1, "Určovanie vetných členov", "Urči vetný člen tučného slova.",
             "Klikni na „Vetný člen?“ a vyber, akým vetným členom je tučné slovo.", RowKind::Pitch36);
    e.paperRight = 484;
    e.chooser = Span{490, 116};
    e.chooserLabelX = 499;
    e.chooserLabelW = 94;
    t.push_back(e);

    e = make("06", 2, 2, "Zhodný, nezhodný prívlastok", "Roztrieď prívlastky do stĺpcov.",
             "Potiahni každú kartičku do správneho stĺpca.", RowKind::Cards);
    t.push_back(e);

    e = make("06b", 2, 3, "Prístavok", "Oddeľ prístavok čiarkami.",
             "Klikni na slovo, za ktorým chýba čiarka. Guma zmaže čiarky v riadku.", RowKind::TwoLine);
    e.paperRight = 564;
    e.eraser = Span{568, 38};
    t.push_back(e);

    e = make("07", 3, 1, "Druhy viet podľa postoja hovoriaceho", "Oznamovacia, opytovacia alebo iná?",
             "Klikni na „Druh vety?“ a vyber, aký druh vety to je.", RowKind::Pitch36);
    e.paperRight = 484;
    e.chooser = Span{490, 116};
    e.chooserLabelX = 499;
    e.chooserLabelW = 94;
    t.push_back(e);

    e = make("08", 3, 2, "Jednočlenné x dvojčlenné vety", "Jednočlenná, alebo dvojčlenná?",
             "Klikaním na políčko vyber: jednočlenná, alebo dvojčlenná veta.", RowKind::Pitch36);
    e.choice = Span{490, 116};
    t.push_back(e);

    e = make("08b", 3, 3, "Čiarka v jednoduchej vete", "Doplň čiarky a urči, čo oddeľujú.",
             "Klikni na slovo, za ktorým chýba čiarka, a vyber, čo čiarka oddeľuje.", RowKind::Pitch36);
    e.paperRight = 430;
    e.chooser = Span{464, 141};
    e.chooserLabelX = 478;
    e.chooserLabelW = 115;
    e.eraser = Span{436, 27};
    t.push_back(e);

    e = make("09", 4, 1, "Vzťahy medzi hlavnými vetami", "Urči pomer medzi hlavnými vetami.",
             "Klikni na „Pomer ...“ a vyber, v akom pomere sú hlavné vety.", RowKind::Pitch36);
    e.paperRight = 484;
    e.chooser = Span{490, 116};
    e.chooserLabelX = 499;
    e.chooserLabelW = 94;
    t.push_back(e);

    e = make("10", 4, 2, "Veta hlavná x veta vedľajšia", "Podčiarkni hlavné a vedľajšie vety.",
             "Vyber nástroj a klikaj na vety.", RowKind::Pitch33);
    e.tools = {"hl", "ve", "sm"};
    t.push_back(e);

    e = make("11", 4, 3, "Druhy vedľajších viet", "Nájdi vedľajšiu vetu a urči jej druh.",
             "Podčiarkni vedľajšiu vetu a vyber jej druh.", RowKind::Pitch33);
    e.paperRight = 484;
    e.chooser = Span{490, 116};
    e.chooserLabelX = 499;
    e.chooserLabelW = 94;
    e.tools = {"ve", "sm"};
    t.push_back(e);

    e = make("11b", 4, 4, "Vsuvka a vložená veta", "Vsuvka, alebo vložená veta?",
             "Sú tučné slová vsuvka, alebo vložená veta? Klikaj na políčko.", RowKind::Pitch36);
    e.choice = Span{547, 58};
    t.push_back(e);

    e = make("12", 5, 3, "Doplňovanie spájacích výrazov", "Doplň správny spájací výraz.",
             "Klikni na žlté políčko vo vete a vyber správny spájací výraz.", RowKind::Pitch36);
    t.push_back(e);

    e = make("13", 5, 1, "Druhy súvetia", "Priraďovacie, alebo podraďovacie?",
             "Klikaním na políčko vyber druh súvetia.", RowKind::Pitch36);
    e.choice = Span{547, 58};
    t.push_back(e);

    e = make("14", 5, 2, "Čiarka v súvetí", "Doplň čiarky do súvetia.",
             "Klikni na slovo, za ktorým chýba čiarka. Guma zmaže čiarky v riadku.", RowKind::Pitch36);
    e.paperRight = 574;
    e.eraser = Span{578, 27};
    t.push_back(e);
    return t;
}

} // namespace

const std::vector<Exercise>& exercises() {
    static const std::vector<Exercise> table = buildTable();
    return table;
}

const std::vector<Category>& categories() {
    static const std::vector<Category> table{
        {"Podmet a prísudok", "Základné vetné členy"},
        {"Vetné členy", "Predmet, prívlastok, prístavok"},
        {"Jednoduchá veta", "Druhy viet a čiarka vo vete"},
        {"Hlavná a vedľajšia veta", "Pomery a druhy viet"},
        {"Súvetie", "Druhy súvetí, spájacie výrazy, čiarky"},
    };
    return table;
}

const Exercise& exercise(const std::string& key) {
    for (const auto& e : exercises())
        if (e.key == key) return e;
    throw std::out_of_range("unknown exercise " + key);
}

std::vector<const Exercise*> inCategory(int category) {
    std::vector<const Exercise*> list;
    for (int slot = 1; slot <= 4; ++slot)
        for (const auto& e : exercises())
            if (e.category == category && e.slot == slot) list.push_back(&e);
    return list;
}

SlotGeometry slotGeometry(int slot, int slotsInCategory) {
    static const SlotGeometry four[4] = {{140, 80}, {219, 69}, {287, 69}, {355, 83}};
    static const SlotGeometry three[3] = {{140, 102}, {241, 93}, {333, 105}};
    return slotsInCategory == 4 ? four[slot - 1] : three[slot - 1];
}

} // namespace assets
