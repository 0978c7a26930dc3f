#include "exercises/06/Cards06.h"

namespace ex06 {

namespace {

constexpr int kSlotWidth = 149;
constexpr int kSlotHeight = 20;
constexpr ui::Point kHomes[kCards] = {{46, 379},  {226, 379}, {406, 379}, {66, 412}, {246, 412},
                                      {426, 412}, {86, 445},  {266, 445}, {446, 445}};

// The card's rounded outline.
const std::vector<ui::Point> kOutline = {{0, 7},   {1, 5},   {5, 1},    {7, 0},    {141, 0},  {143, 1},
                                         {147, 5}, {148, 8}, {148, 11}, {147, 14}, {143, 18}, {140, 20},
                                         {7, 19},  {5, 18},  {1, 14},   {0, 12}};

int columnOf(int slot) {
    return slot <= kSlotsPerColumn ? 1 : 2;
}

} // namespace

ui::Rect slotBounds(int k) {
    return {columnOf(k) == 1 ? 95 : 395, 136 + 32 * ((k - 1) % kSlotsPerColumn), kSlotWidth, kSlotHeight};
}

ui::Rect evaluationBounds(int k) {
    return {columnOf(k) == 1 ? 261 : 561, 130 + 32 * ((k - 1) % kSlotsPerColumn), 32, 32};
}

ui::Point homeOf(int c) {
    return kHomes[c - 1];
}

std::string kindName(std::int32_t code) {
    return code == kAgreeing ? "Prívlastok zhodný" : code == kNonAgreeing ? "Prívlastok nezhodný" : "";
}

// A card wrong in a column belongs to the other one.
std::string answerOfColumn(int column) {
    return kindName(column == 1 ? kNonAgreeing : kAgreeing);
}

TMujPanel::TMujPanel(int number) : number_(number) {
    setName("Karta" + std::to_string(number));
    home = homeOf(number);
    setBounds(home.x, home.y, 150, 21);
    setColor(ui::colors::White);
    setBevel(ui::Bevel::None);
    setRegion(kOutline);
    ui::Label& l = label();
    l.setName("KartaText" + std::to_string(number));
    l.setAutoSize(false);
    l.setBounds(0, 0, kCardWidth, 21);
    l.setTransparent(true);
    l.setAlignment(ui::Alignment::Center);
    l.setLayout(ui::TextLayout::Center);
    l.setFontSize(kCardPoints);
    l.setTag(number);
}

CardBoard::CardBoard(ui::Control& screen, const framework::ScreenServices& services,
                     std::function<framework::EvaluationImage&(int)> evaluation)
    : services_(services), evaluation_(std::move(evaluation)) {
    for (int k = 1; k <= kSlotCount; ++k) {
        ui::Image& slot = screen.add<ui::Image>();
        slot.setName("Image" + std::to_string(k));
        slot.setBounds(slotBounds(k));
        slot.setTransparent(true);
        slot.hide();
        slots_.push_back(&slot);
    }
    for (int c = 1; c <= kCards; ++c) {
        TMujPanel& card = screen.add<TMujPanel>(c);
        card.OnPress = [this, &card](controls::DragCard&) { return PanelMouseDown(card); };
        card.OnDrop = [this, &card](controls::DragCard&, ui::Point p) { PanelMouseUp(card, p); };
        card.OnCancel = [this, &card](controls::DragCard&) { sendHome(card, CardState::Home); };
        card.OnDoubleClick = [this, &card](controls::DragCard&) { PanelMouseDblClick(card); };
        card.label().OnMouseEnter = [this](ui::Control&) {
            services_.playEnter();
            services_.setCursor(framework::kHandCursor);
        };
        card.label().OnMouseLeave = [this](ui::Control&) { services_.setCursor(framework::kPointerCursor); };
        cards_.push_back(&card);
    }
}

// Only a card at home is picked up; the second press of the double click that sent a card home
// picks nothing up.
bool CardBoard::PanelMouseDown(TMujPanel& card) {
    if (!card.active) return false;
    const bool pickUp = card.state == CardState::Home;
    if (pickUp) services_.playClick();
    if (card.state == CardState::SentHome) card.state = CardState::Home;
    return pickUp;
}

// The first free slot that holds the pointer strictly inside takes the card; else it goes home.
void CardBoard::PanelMouseUp(TMujPanel& card, ui::Point p) {
    for (int k = 1; k <= kSlotCount; ++k) {
        ui::Image& slot = slotImage(k);
        if (slot.tag() != 0 || p.x <= slot.left() || p.x >= slot.left() + kSlotWidth || p.y <= slot.top() ||
            p.y >= slot.top() + kSlotHeight)
            continue;
        card.setBounds(slot.left(), slot.top(), card.width(), card.height());
        card.state = columnOf(k) == 1 ? CardState::Left : CardState::Right;
        card.slot = k;
        slot.setTag(card.tag());
        return;
    }
    sendHome(card, CardState::Home);
}

void CardBoard::PanelMouseDblClick(TMujPanel& card) {
    if (!card.active || !card.placed()) return;
    services_.playClick();
    sendHome(card, CardState::SentHome);
}

void CardBoard::sendHome(TMujPanel& card, CardState state) {
    if (card.slot != 0) slotImage(card.slot).setTag(0);
    card.slot = 0;
    card.goHome();
    card.state = state;
}

void CardBoard::layout(int r, const framework::Sentence& s) {
    card(r).label().setText(s[0].text);
    card(r).setTag(s[0].code);
}

void CardBoard::clear(int r) {
    TMujPanel& c = card(r);
    c.show();
    c.setTag(0);
    c.state = CardState::Home;
}

void CardBoard::hide(int r) {
    card(r).hide();
}

// A card is right in the column of its kind; a card left at home is wrong. A wrong card's
// evaluation image keeps the column it lies in, which names the correct answer. The ninth card
// lies over the continue button: left at home, it is out of sight while the page is checked.
bool CardBoard::judge(int r, const framework::Sentence&) {
    TMujPanel& c = card(r);
    c.cancelDrag();
    c.active = false;
    if (!c.placed()) {
        if (r == kCards) c.hide();
        return false;
    }
    const int column = columnOf(c.slot);
    const bool right = c.tag() == (column == 1 ? kAgreeing : kNonAgreeing);
    if (!right) evaluation_(c.slot).setTag(column);
    return right;
}

void CardBoard::clearAnswers() {
    for (TMujPanel* c : cards_) {
        c->cancelDrag();
        sendHome(*c, CardState::Home);
        c->setTag(0);
        c->active = true;
    }
    for (ui::Image* slot : slots_)
        slot->setTag(0);
    for (int k = 1; k <= kSlotCount; ++k) {
        framework::EvaluationImage& image = evaluation_(k);
        image.clearPicture();
        image.clickable = false;
        image.setTag(k);
    }
}

void CardBoard::closePopups() {
    for (TMujPanel* c : cards_)
        c->cancelDrag();
}

bool CardBoard::popupOpen() const {
    for (const TMujPanel* c : cards_)
        if (c->dragging()) return true;
    return false;
}

} // namespace ex06
