#pragma once
// The people of the game, drawn from a short description: the 29 portraits,
// the staff portraits and every figure that appears in a scene come from
// DrawFigure, so a character looks the same wherever it is seen.
#include <QColor>
#include <QPainter>

enum class Hair { None, Short, Spiky, Long, Bob, Bun, Ponytail, Twintails, Wavy, Slick, Curly, SidesOnly };
enum class Eyes { Round, Narrow, Fierce, Gentle, Closed, Happy, Old, Glow };
enum class Mouth { Smile, Grin, Frown, Flat, Open, Fangs, Smirk };
enum class Beard { None, Stubble, Moustache, CurledMoustache, Goatee, Full, LongWhite };
enum class Hat {
    None,
    Horns,
    Crown,
    CrownSpiked,
    Circlet,
    Tiara,
    ScholarCap,
    KettleHelmet,
    PlumedHelmet,
    HornedHelmet,
    NasalHelmet,
    Bandana,
    Kerchief,
    Beret,
    GuideHat,
    Headband,
    Ribbon,
};
enum class Outfit { Cape, Robe, Dress, Armour, Royal, Uniform, Tunic, Apron, Coat, Sweater, Shirt };
enum class Prop { None, Spear, Fan, Book, Lute, Hammer, Scissors, SaltBag, Cane, Sword, Pen, Camera };

struct Figure {
    // Backdrop: a vertical gradient; `glow` lights it from behind the head.
    QColor bgTop, bgBottom, glow = QColor(0, 0, 0, 0);
    QColor skin = QColor(0xf5, 0xd2, 0xb0);
    QColor hairColour = QColor(0x3a, 0x2a, 0x22);
    QColor eyeColour = QColor(0x3a, 0x2a, 0x1e);
    QColor cloth = QColor(0x44, 0x55, 0x88), cloth2 = QColor(0xe8, 0xe0, 0xd0), trim = QColor(0xd6, 0xab, 0x45);
    QColor hatColour = QColor(0x30, 0x30, 0x40), hatColour2 = QColor(0xd6, 0xab, 0x45);
    Hair hair = Hair::Short;
    Eyes eyes = Eyes::Round;
    Mouth mouth = Mouth::Smile;
    Beard beard = Beard::None;
    Hat hat = Hat::None;
    Outfit outfit = Outfit::Tunic;
    Prop prop = Prop::None;
    double headWidth = 1.0, headHeight = 1.0;  // relative to the standard head
    double jaw = 0.3;                          // 0 round chin .. 1 square jaw
    double browTilt = 0;                       // > 0 frowning, < 0 worried
    bool feminine = false;                     // lashes, smaller nose, lips
    bool glasses = false, eyepatch = false, scar = false, earrings = false;
    bool wrinkles = false, blush = false, pointyEars = false, soot = false, bandage = false;
    bool highCollar = false;  // a cape collar standing up behind the head
    bool frame = true;        // the portrait's thin ink and gold frame
    bool backdrop = true;     // false leaves the figure on a transparent ground
};

// Draws `f` as a bust into the 85 x 100 box at the painter's origin. Scale the
// painter to draw it at any other size.
void DrawFigure(QPainter& p, const Figure& f);
