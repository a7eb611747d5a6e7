// Portraits 63..91: face f is resource 63 + f. The same face shows in the map,
// the message window and the duel, so each must be told from the others at
// 85 x 100: every group has its own backdrop colour and headgear, and within a
// group the hair, eyes, mouth and beard differ.
#include "art.h"
#include "asset_io.h"
#include "figures.h"
#include "paint_util.h"
#include "palette.h"

#include <QPainter>

namespace {
const QColor kSkinFair(0xf8, 0xdc, 0xc0), kSkinWarm(0xf2, 0xc8, 0xa0), kSkinTan(0xd8, 0xa4, 0x78),
    kSkinBrown(0xb0, 0x78, 0x50), kSkinPale(0xfa, 0xe6, 0xd8), kSkinDemon(0xb8, 0xb4, 0xd0);

// Backdrops by group.
void demonBackdrop(Figure& f) {
    f.bgTop = QColor(0x30, 0x06, 0x12);
    f.bgBottom = QColor(0x0c, 0x02, 0x08);
    f.glow = QColor(0xe0, 0x30, 0x20, 150);
}
void strategistBackdrop(Figure& f) {
    f.bgTop = QColor(0x1c, 0x4a, 0x4c);
    f.bgBottom = QColor(0x0c, 0x20, 0x24);
}
void maidenBackdrop(Figure& f, const QColor& tint) {
    f.bgTop = Mix(QColor(0xf4, 0xc8, 0xdc), tint, 0.35);
    f.bgBottom = Mix(QColor(0x9a, 0x50, 0x7a), tint, 0.25);
    f.glow = QColor(255, 255, 255, 90);
}
void kingBackdrop(Figure& f, const QColor& element) {
    f.bgTop = Mix(QColor(0x40, 0x20, 0x5a), element, 0.35);
    f.bgBottom = QColor(0x14, 0x08, 0x20);
    f.glow = WithAlpha(element, 130);
}
void eliteBackdrop(Figure& f) {
    f.bgTop = QColor(0x5a, 0x6e, 0x8e);
    f.bgBottom = QColor(0x1c, 0x24, 0x36);
}
void footmanBackdrop(Figure& f) {
    f.bgTop = QColor(0x8a, 0x86, 0x5a);
    f.bgBottom = QColor(0x3a, 0x38, 0x24);
}
void townBackdrop(Figure& f, const QColor& tint) {
    f.bgTop = Mix(QColor(0xf0, 0xd8, 0xa0), tint, 0.3);
    f.bgBottom = Mix(QColor(0xa0, 0x74, 0x40), tint, 0.3);
}

// The footmen share one uniform; only their faces are their own.
Figure footman(const QColor& skin, Eyes eyes, Mouth mouth, Beard beard, double browTilt) {
    Figure f;
    footmanBackdrop(f);
    f.skin = skin;
    f.hair = Hair::Short;
    f.hairColour = QColor(0x3a, 0x2c, 0x20);
    f.eyes = eyes;
    f.mouth = mouth;
    f.beard = beard;
    f.browTilt = browTilt;
    f.hat = Hat::KettleHelmet;
    f.hatColour = QColor(0x8c, 0x96, 0xa4);
    f.hatColour2 = QColor(0x6e, 0x2a, 0x22);
    f.outfit = Outfit::Uniform;
    f.cloth = QColor(0x5e, 0x6a, 0x34);
    f.cloth2 = QColor(0xc8, 0x3a, 0x2a);
    f.trim = pal::kGold;
    return f;
}

Figure faceOf(int face) {
    Figure f;
    switch (face) {
        case 0:  // the Demon King: horns, cape, glowing eyes
            demonBackdrop(f);
            f.skin = kSkinDemon;
            f.hair = Hair::Long;
            f.hairColour = QColor(0x1c, 0x16, 0x24);
            f.eyes = Eyes::Glow;
            f.mouth = Mouth::Fangs;
            f.hat = Hat::Horns;
            f.outfit = Outfit::Cape;
            f.cloth = QColor(0x2a, 0x1a, 0x3a);
            f.cloth2 = QColor(0x20, 0x1c, 0x28);
            f.trim = pal::kGold;
            f.pointyEars = true;
            f.highCollar = true;
            f.jaw = 0.6;
            f.headHeight = 1.04;
            break;
        case 1:  // the elder strategist: scholar's cap, long grey goatee, fan
            strategistBackdrop(f);
            f.skin = kSkinWarm;
            f.hair = Hair::Slick;
            f.hairColour = QColor(0x9a, 0x96, 0x90);
            f.eyes = Eyes::Narrow;
            f.mouth = Mouth::Smirk;
            f.beard = Beard::Goatee;
            f.hat = Hat::ScholarCap;
            f.hatColour = QColor(0x1a, 0x1c, 0x24);
            f.hatColour2 = pal::kGold;
            f.outfit = Outfit::Robe;
            f.cloth = QColor(0x1e, 0x5a, 0x5a);
            f.cloth2 = QColor(0xf0, 0xea, 0xdc);
            f.prop = Prop::Fan;
            f.wrinkles = true;
            f.headWidth = 0.92;
            f.headHeight = 1.06;
            f.jaw = 0.1;
            break;
        case 2:  // the young strategist: glasses, neat hair, book
            strategistBackdrop(f);
            f.bgTop = QColor(0x2a, 0x3a, 0x5c);
            f.skin = kSkinFair;
            f.hair = Hair::Bob;
            f.hairColour = QColor(0x2a, 0x34, 0x5a);
            f.eyes = Eyes::Narrow;
            f.mouth = Mouth::Smirk;
            f.glasses = true;
            f.outfit = Outfit::Robe;
            f.cloth = QColor(0x4a, 0x2a, 0x6a);
            f.cloth2 = QColor(0xe8, 0xe2, 0xf0);
            f.prop = Prop::Book;
            f.headWidth = 0.95;
            f.jaw = 0.15;
            break;
        case 3:  // first maiden: pink twin tails, cheerful
            maidenBackdrop(f, QColor(0xff, 0x80, 0xa0));
            f.skin = kSkinPale;
            f.hair = Hair::Twintails;
            f.hairColour = QColor(0xf0, 0x7a, 0xa8);
            f.eyeColour = QColor(0xc0, 0x30, 0x70);
            f.eyes = Eyes::Round;
            f.mouth = Mouth::Grin;
            f.feminine = true;
            f.blush = true;
            f.hat = Hat::Ribbon;
            f.hatColour = QColor(0xff, 0xf0, 0xf4);
            f.outfit = Outfit::Dress;
            f.cloth = QColor(0xe0, 0x50, 0x80);
            f.cloth2 = QColor(0xff, 0xf4, 0xf8);
            f.trim = QColor(0xff, 0xe0, 0x60);
            f.pointyEars = true;
            f.jaw = 0;
            f.headWidth = 0.98;
            f.headHeight = 0.95;
            break;
        case 4:  // second maiden: long dark hair, circlet, calm
            maidenBackdrop(f, QColor(0x60, 0x80, 0xff));
            f.skin = kSkinFair;
            f.hair = Hair::Long;
            f.hairColour = QColor(0x22, 0x24, 0x4a);
            f.eyeColour = QColor(0x30, 0x50, 0xa0);
            f.eyes = Eyes::Gentle;
            f.mouth = Mouth::Smile;
            f.feminine = true;
            f.hat = Hat::Circlet;
            f.hatColour = pal::kGold;
            f.hatColour2 = QColor(0x50, 0xa0, 0xf0);
            f.outfit = Outfit::Dress;
            f.cloth = QColor(0x3a, 0x5a, 0xb0);
            f.cloth2 = QColor(0xe8, 0xf0, 0xff);
            f.trim = pal::kGold;
            f.earrings = true;
            f.pointyEars = true;
            f.jaw = 0;
            f.headWidth = 0.95;
            break;
        case 5:  // third maiden: short orange bob, bold grin
            maidenBackdrop(f, QColor(0xff, 0xc0, 0x40));
            f.skin = kSkinWarm;
            f.hair = Hair::Bob;
            f.hairColour = QColor(0xe0, 0x78, 0x28);
            f.eyeColour = QColor(0x2a, 0x80, 0x40);
            f.eyes = Eyes::Fierce;
            f.mouth = Mouth::Smirk;
            f.feminine = true;
            f.hat = Hat::Headband;
            f.hatColour = QColor(0x30, 0xa0, 0x50);
            f.outfit = Outfit::Dress;
            f.cloth = QColor(0x40, 0x9a, 0x50);
            f.cloth2 = QColor(0xff, 0xf8, 0xe0);
            f.trim = QColor(0xff, 0xa0, 0x30);
            f.pointyEars = true;
            f.blush = true;
            f.jaw = 0;
            f.headWidth = 0.97;
            f.headHeight = 0.96;
            break;
        case 6:  // first king, fire: spiky red hair, gold crown
            kingBackdrop(f, QColor(0xff, 0x50, 0x20));
            f.skin = kSkinTan;
            f.hair = Hair::Spiky;
            f.hairColour = QColor(0xc8, 0x30, 0x20);
            f.eyes = Eyes::Fierce;
            f.eyeColour = QColor(0xd0, 0x60, 0x10);
            f.mouth = Mouth::Grin;
            f.hat = Hat::Crown;
            f.hatColour2 = pal::kCardRed;
            f.outfit = Outfit::Royal;
            f.cloth = QColor(0xa0, 0x20, 0x20);
            f.cloth2 = QColor(0xff, 0x60, 0x30);
            f.trim = pal::kGold;
            f.jaw = 0.7;
            break;
        case 7:  // second king, ice: long white hair, silver crown
            kingBackdrop(f, QColor(0x60, 0xc0, 0xff));
            f.skin = kSkinPale;
            f.hair = Hair::Long;
            f.hairColour = QColor(0xe4, 0xec, 0xf4);
            f.eyes = Eyes::Narrow;
            f.eyeColour = QColor(0x40, 0x90, 0xd0);
            f.mouth = Mouth::Flat;
            f.hat = Hat::CrownSpiked;
            f.hatColour = QColor(0xb8, 0xd0, 0xe8);
            f.hatColour2 = QColor(0x60, 0xc0, 0xff);
            f.outfit = Outfit::Royal;
            f.cloth = QColor(0x2a, 0x5a, 0xa0);
            f.cloth2 = QColor(0x90, 0xd8, 0xff);
            f.trim = QColor(0xd0, 0xe0, 0xf0);
            f.headWidth = 0.94;
            f.headHeight = 1.04;
            f.jaw = 0.2;
            break;
        case 8:  // third king, earth: bald, huge brown beard
            kingBackdrop(f, QColor(0xc0, 0x90, 0x30));
            f.skin = kSkinBrown;
            f.hair = Hair::None;
            f.hairColour = QColor(0x6a, 0x40, 0x20);
            f.eyes = Eyes::Round;
            f.mouth = Mouth::Grin;
            f.beard = Beard::Full;
            f.hat = Hat::Crown;
            f.hatColour2 = QColor(0x30, 0xa0, 0x50);
            f.outfit = Outfit::Royal;
            f.cloth = QColor(0x6a, 0x4a, 0x22);
            f.cloth2 = QColor(0x40, 0xb0, 0x60);
            f.trim = pal::kGold;
            f.headWidth = 1.12;
            f.jaw = 0.9;
            break;
        case 9:  // fourth king, darkness: slick black hair, dark spiked crown, scar
            kingBackdrop(f, QColor(0xa0, 0x40, 0xff));
            f.skin = kSkinFair;
            f.hair = Hair::Slick;
            f.hairColour = QColor(0x16, 0x12, 0x20);
            f.eyes = Eyes::Fierce;
            f.eyeColour = QColor(0x90, 0x30, 0xc0);
            f.mouth = Mouth::Smirk;
            f.hat = Hat::CrownSpiked;
            f.hatColour = QColor(0x3a, 0x30, 0x48);
            f.hatColour2 = QColor(0xc0, 0x40, 0xff);
            f.outfit = Outfit::Royal;
            f.cloth = QColor(0x30, 0x1a, 0x48);
            f.cloth2 = QColor(0xc0, 0x40, 0xff);
            f.trim = pal::kGold;
            f.scar = true;
            f.jaw = 0.5;
            break;
        case 10:  // first elite: plumed helmet, red plume
            eliteBackdrop(f);
            f.skin = kSkinWarm;
            f.hair = Hair::Short;
            f.eyes = Eyes::Fierce;
            f.mouth = Mouth::Flat;
            f.hat = Hat::PlumedHelmet;
            f.hatColour = pal::kSteel;
            f.hatColour2 = QColor(0xd0, 0x28, 0x28);
            f.outfit = Outfit::Armour;
            f.cloth = QColor(0x9a, 0xa4, 0xb4);
            f.cloth2 = QColor(0x6a, 0x20, 0x20);
            f.trim = pal::kGold;
            f.jaw = 0.6;
            break;
        case 11:  // second elite: bare head, scarred, brown hair, sword
            eliteBackdrop(f);
            f.skin = kSkinTan;
            f.hair = Hair::Spiky;
            f.hairColour = QColor(0x6a, 0x40, 0x22);
            f.eyes = Eyes::Fierce;
            f.mouth = Mouth::Grin;
            f.beard = Beard::Stubble;
            f.scar = true;
            f.hat = Hat::Headband;
            f.hatColour = QColor(0xd0, 0x30, 0x30);
            f.outfit = Outfit::Armour;
            f.cloth = QColor(0x8a, 0x70, 0x50);
            f.cloth2 = QColor(0x4a, 0x30, 0x20);
            f.trim = QColor(0xc0, 0x90, 0x50);
            f.prop = Prop::Sword;
            f.jaw = 0.8;
            break;
        case 12:  // third elite: horned helmet, red beard
            eliteBackdrop(f);
            f.skin = kSkinFair;
            f.hair = Hair::Long;
            f.hairColour = QColor(0xb8, 0x50, 0x20);
            f.eyes = Eyes::Round;
            f.mouth = Mouth::Open;
            f.beard = Beard::Full;
            f.hat = Hat::HornedHelmet;
            f.hatColour = QColor(0x8a, 0x8a, 0x90);
            f.outfit = Outfit::Armour;
            f.cloth = QColor(0x7a, 0x7e, 0x86);
            f.cloth2 = QColor(0x5a, 0x3a, 0x22);
            f.trim = QColor(0xb0, 0x80, 0x40);
            f.headWidth = 1.1;
            f.jaw = 0.9;
            break;
        case 13:  // fourth elite: a woman warrior, ponytail, circlet
            eliteBackdrop(f);
            f.skin = kSkinFair;
            f.hair = Hair::Ponytail;
            f.hairColour = QColor(0xe8, 0xc8, 0x60);
            f.eyeColour = QColor(0x20, 0x70, 0x90);
            f.eyes = Eyes::Fierce;
            f.mouth = Mouth::Flat;
            f.feminine = true;
            f.hat = Hat::Circlet;
            f.hatColour = pal::kSteel;
            f.hatColour2 = QColor(0x30, 0xc0, 0xa0);
            f.outfit = Outfit::Armour;
            f.cloth = QColor(0xc0, 0xc8, 0xd4);
            f.cloth2 = QColor(0x20, 0x60, 0x70);
            f.trim = QColor(0x30, 0xb0, 0xa0);
            f.jaw = 0.1;
            f.headWidth = 0.95;
            break;
        case 14:  // fifth elite, their leader: a dark knight with a blue plume, stern
            eliteBackdrop(f);
            f.bgTop = QColor(0x3a, 0x4e, 0x8a);
            f.skin = kSkinWarm;
            f.hair = Hair::Short;
            f.hairColour = QColor(0x20, 0x20, 0x28);
            f.eyes = Eyes::Narrow;
            f.mouth = Mouth::Frown;
            f.beard = Beard::Moustache;
            f.browTilt = 1.5;
            f.hat = Hat::PlumedHelmet;
            f.hatColour = QColor(0x3a, 0x3e, 0x52);
            f.hatColour2 = QColor(0x40, 0x80, 0xf0);
            f.outfit = Outfit::Armour;
            f.cloth = QColor(0x3a, 0x3e, 0x52);
            f.cloth2 = QColor(0x18, 0x1a, 0x24);
            f.trim = pal::kGold;
            f.prop = Prop::Sword;
            f.jaw = 0.75;
            break;
        case 15: {
            Figure g = footman(kSkinFair, Eyes::Round, Mouth::Smile, Beard::None, 0);
            g.blush = true;
            g.hairColour = QColor(0x8a, 0x5a, 0x30);
            return g;
        }
        case 16: {
            Figure g = footman(kSkinTan, Eyes::Fierce, Mouth::Grin, Beard::Moustache, 0.5);
            g.hairColour = QColor(0x1e, 0x16, 0x12);
            g.jaw = 0.8;
            return g;
        }
        case 17: {
            Figure g = footman(kSkinPale, Eyes::Gentle, Mouth::Open, Beard::None, -1.2);
            g.headWidth = 0.9;
            g.jaw = 0.05;
            return g;
        }
        case 18: {
            Figure g = footman(kSkinBrown, Eyes::Narrow, Mouth::Flat, Beard::Stubble, 0.8);
            g.headWidth = 1.1;
            g.jaw = 0.95;
            g.bandage = true;
            return g;
        }
        case 19: {
            Figure g = footman(kSkinWarm, Eyes::Happy, Mouth::Grin, Beard::Moustache, -0.5);
            g.hairColour = QColor(0xc0, 0x5a, 0x20);
            g.headWidth = 1.08;
            g.headHeight = 0.94;
            g.jaw = 0.2;
            return g;
        }
        case 20: {
            Figure g = footman(kSkinPale, Eyes::Round, Mouth::Frown, Beard::Goatee, 1.0);
            g.hairColour = QColor(0x5a, 0x3a, 0x22);
            g.glasses = true;
            g.headHeight = 1.06;
            return g;
        }
        case 21: {
            Figure g = footman(kSkinTan, Eyes::Old, Mouth::Smirk, Beard::Full, 0.3);
            g.hairColour = QColor(0x9a, 0x96, 0x90);
            g.wrinkles = true;
            g.jaw = 0.6;
            return g;
        }
        case 22:  // the gatekeeper: nasal helmet, black beard, spear
            f.bgTop = QColor(0x8a, 0x7e, 0x70);
            f.bgBottom = QColor(0x3a, 0x32, 0x2a);
            f.skin = kSkinTan;
            f.hair = Hair::Short;
            f.hairColour = QColor(0x1a, 0x16, 0x14);
            f.eyes = Eyes::Fierce;
            f.mouth = Mouth::Frown;
            f.beard = Beard::Full;
            f.hat = Hat::NasalHelmet;
            f.hatColour = QColor(0x8a, 0x90, 0x98);
            f.hatColour2 = QColor(0xa0, 0x70, 0x30);
            f.outfit = Outfit::Armour;
            f.cloth = QColor(0x8a, 0x6a, 0x40);
            f.cloth2 = QColor(0x4a, 0x36, 0x24);
            f.trim = QColor(0xa0, 0x70, 0x30);
            f.prop = Prop::Spear;
            f.headWidth = 1.12;
            f.jaw = 1.0;
            break;
        case 23:  // salt seller: headscarf, sack of salt
            townBackdrop(f, QColor(0x60, 0xa0, 0xd0));
            f.skin = kSkinTan;
            f.hair = Hair::Bun;
            f.hairColour = QColor(0x4a, 0x2a, 0x1a);
            f.eyes = Eyes::Happy;
            f.mouth = Mouth::Grin;
            f.feminine = true;
            f.blush = true;
            f.hat = Hat::Kerchief;
            f.hatColour = QColor(0x3a, 0x6a, 0xb0);
            f.hatColour2 = QColor(0xf4, 0xf0, 0xe8);
            f.outfit = Outfit::Apron;
            f.cloth = QColor(0xf0, 0xec, 0xe0);
            f.cloth2 = QColor(0xb0, 0x60, 0x40);
            f.prop = Prop::SaltBag;
            f.jaw = 0.15;
            f.headWidth = 1.04;
            break;
        case 24:  // village elder: bald, long white beard, cane
            townBackdrop(f, QColor(0x80, 0xa0, 0x60));
            f.skin = QColor(0xe8, 0xc4, 0xa4);
            f.hair = Hair::SidesOnly;
            f.hairColour = QColor(0xe8, 0xe6, 0xe0);
            f.eyes = Eyes::Closed;
            f.mouth = Mouth::Smile;
            f.beard = Beard::LongWhite;
            f.outfit = Outfit::Robe;
            f.cloth = QColor(0x7a, 0x5a, 0x3a);
            f.cloth2 = QColor(0xd8, 0xc8, 0xa0);
            f.trim = QColor(0xa0, 0x80, 0x50);
            f.prop = Prop::Cane;
            f.wrinkles = true;
            f.headHeight = 1.02;
            f.jaw = 0.2;
            break;
        case 25:  // barber: neat parted hair, curled moustache, scissors
            townBackdrop(f, QColor(0xc0, 0x60, 0x80));
            f.skin = kSkinFair;
            f.hair = Hair::Slick;
            f.hairColour = QColor(0x2a, 0x1a, 0x12);
            f.eyes = Eyes::Round;
            f.mouth = Mouth::Smile;
            f.beard = Beard::CurledMoustache;
            f.outfit = Outfit::Coat;
            f.cloth = QColor(0xf4, 0xf4, 0xf0);
            f.cloth2 = QColor(0x30, 0x40, 0x70);
            f.trim = QColor(0xc0, 0x20, 0x30);
            f.prop = Prop::Scissors;
            f.headWidth = 0.92;
            f.headHeight = 1.05;
            f.jaw = 0.3;
            break;
        case 26:  // blacksmith: bandana, soot, leather apron, hammer
            townBackdrop(f, QColor(0xff, 0x60, 0x20));
            f.glow = QColor(0xff, 0x90, 0x30, 110);
            f.skin = kSkinBrown;
            f.hair = Hair::Short;
            f.hairColour = QColor(0x20, 0x18, 0x14);
            f.eyes = Eyes::Round;
            f.mouth = Mouth::Grin;
            f.beard = Beard::Stubble;
            f.hat = Hat::Bandana;
            f.hatColour = QColor(0xc0, 0x38, 0x28);
            f.hatColour2 = QColor(0xf0, 0xe0, 0xd0);
            f.outfit = Outfit::Apron;
            f.cloth = QColor(0x6a, 0x46, 0x2a);
            f.cloth2 = QColor(0xd8, 0xcc, 0xb8);
            f.prop = Prop::Hammer;
            f.soot = true;
            f.headWidth = 1.1;
            f.jaw = 0.9;
            break;
        case 27:  // bard: feathered beret, wavy hair, lute
            townBackdrop(f, QColor(0x60, 0xc0, 0x80));
            f.skin = kSkinFair;
            f.hair = Hair::Wavy;
            f.hairColour = QColor(0xc8, 0x8a, 0x40);
            f.eyes = Eyes::Gentle;
            f.eyeColour = QColor(0x30, 0x80, 0x50);
            f.mouth = Mouth::Open;
            f.hat = Hat::Beret;
            f.hatColour = QColor(0x2a, 0x7a, 0x4a);
            f.hatColour2 = QColor(0xf8, 0xf4, 0xea);
            f.outfit = Outfit::Tunic;
            f.cloth = QColor(0x2a, 0x7a, 0x4a);
            f.cloth2 = QColor(0xf0, 0xe4, 0xc0);
            f.trim = pal::kGold;
            f.prop = Prop::Lute;
            f.headWidth = 0.95;
            f.jaw = 0.2;
            break;
        case 28:  // the guide: friendly, the wide travelling hat
        default:
            f.bgTop = QColor(0x8c, 0xc8, 0xf0);
            f.bgBottom = QColor(0x3a, 0x70, 0xb0);
            f.glow = QColor(255, 255, 230, 120);
            f.skin = kSkinWarm;
            f.hair = Hair::Short;
            f.hairColour = QColor(0x8a, 0x52, 0x24);
            f.eyes = Eyes::Happy;
            f.mouth = Mouth::Grin;
            f.blush = true;
            f.hat = Hat::GuideHat;
            f.hatColour = QColor(0x24, 0x4a, 0x8a);
            f.hatColour2 = pal::kGold;
            f.outfit = Outfit::Tunic;
            f.cloth = QColor(0x2c, 0x58, 0x9a);
            f.cloth2 = pal::kGold;
            f.trim = QColor(0xc0, 0x30, 0x30);
            f.jaw = 0.15;
            break;
    }
    return f;
}
}  // namespace

Figure PortraitFigure(int face) {
    return faceOf(face);
}

QImage Portrait(int face, int scale) {
    QImage img = Canvas(85, 100, scale);
    QPainter p;
    BeginPaint(p, img, scale);
    DrawFigure(p, faceOf(face));
    p.end();
    return img.convertToFormat(QImage::Format_RGB32);
}

void GeneratePortraits(const AssetContext& ctx) {
    for (int face = 0; face <= 28; ++face) {
        WritePng(ctx.res(QStringLiteral("%1.png").arg(face + 63)), Portrait(face, 1));
        WritePng(ctx.res(QStringLiteral("%1@2x.png").arg(face + 63)), Portrait(face, 2));
    }
}
