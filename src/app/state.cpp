#include "app/state.h"

int16_t MesTime = 0;
int16_t InputDevice = 0;
bool MusicOn = false;
bool SoundOn = false;
std::array<int16_t, 6> PlayKeys{};

uint8_t GameMode = 0;
bool SaveMode = false;
int16_t StageNo = 0;
int16_t LevelNo = 0;
bool NotOfficial = false;
bool BriefingDone = false;
bool LastWon = false;
int32_t TotalPoint = 0;
int32_t GainedPoint = 0;
std::array<bool, 7> FoeLeft{};
int32_t FoeIndex = 0;
int32_t FoeBase = 0;
QString FoeName;

QString DuelFoeName;
int16_t DuelFoeFace = 0;
uint8_t DuelParamA = 0;
uint8_t DuelParamB = 0;
uint8_t DuelParamC = 0;
int16_t DuelMusic = 0;

int16_t MesMode = 0;
int16_t CapturedKey = 0;
Picture MesSheetPicture;
Picture HandCursor;
Picture Data1Picture;

void ResetSharedState() {
    MesTime = 0;
    InputDevice = 0;
    MusicOn = SoundOn = false;
    PlayKeys = {};
    GameMode = 0;
    SaveMode = NotOfficial = BriefingDone = LastWon = false;
    StageNo = LevelNo = 0;
    TotalPoint = GainedPoint = 0;
    FoeLeft = {};
    FoeIndex = FoeBase = 0;
    FoeName.clear();
    DuelFoeName.clear();
    DuelFoeFace = 0;
    DuelParamA = DuelParamB = DuelParamC = 0;
    DuelMusic = 0;
    MesMode = CapturedKey = 0;
    MesSheetPicture.reset();
    HandCursor.reset();
    Data1Picture.reset();
}
