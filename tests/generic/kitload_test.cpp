#include "generic/kitload.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "engine/bytes.h"
#include "gamecode/matchrec.h"
#include "menus/kittab.h"
#include "render256/swscreen.h"
#include "render256/textures.h"
#include "support/engine_fixture.h"
#include "support/pak_fixture.h"
#include "support/scratch_dir.h"
#include "support/built_game.h"

namespace {

constexpr int kShirtFront = 23, kShirtBack = 24, kKeeperBack = 31, kHand = 6, kFaceFront = 8, kSocks = 14;
constexpr int kRightArm = 25, kShoe = 0;

class KitLoadTest : public EngineTest {
 protected:
  std::optional<ScratchDir> scratch;
  void SetUp() override {
    EngineTest::SetUp();
    scratch.emplace("gafferon_kitload");
    InitMemory(9500);
    StoreI16(GetMatchSetupRecord() + SETUP_DISPLAY_MODE, 2);
  }
  void TearDown() override {
    scratch.reset();
    EngineTest::TearDown();
  }

  static uint8_t* Entry(int object) { return GetMatchSetupRecord() + SetupPlayerOffset(object / 16, object % 16); }
  static void SetLook(int object, int skin, int hairColour, int hairStyle) {
    StoreI16(Entry(object) + SETUP_PLAYER_LOOK1, static_cast<uint16_t>(skin));
    StoreI16(Entry(object) + SETUP_PLAYER_LOOK2, static_cast<uint16_t>(hairColour));
    StoreI16(Entry(object) + SETUP_PLAYER_LOOK3, static_cast<uint16_t>(hairStyle));
  }
  static void SetShirt(int object, int number) { StoreI16(Entry(object) + SETUP_PLAYER_SHIRT, static_cast<uint16_t>(number)); }
  static void SetDesign(int side, const KitDesign& design) {
    std::memcpy(GetMatchSetupRecord() + MATCH_SETUP_TEAM_OFFSET[side] + SETUP_TEAM_KIT, design.bytes, sizeof design.bytes);
  }
  // Two sides of every look, numbered 1-16.
  static void SetTwoSides() {
    SetDesign(0, KitHomeDesigns[3]);
    SetDesign(1, KitAwayDesigns[17]);
    for (int object = 0; object < 32; ++object) {
      SetLook(object, object % 8, (object / 2) % 8, (object / 3) % 8);
      SetShirt(object, object % 16 + 1);
    }
  }
  static std::string Name(int variant, int part, int side) {
    char name[KIT_NAME_SIZE];
    KIT_BuildFilename(name, sizeof name, variant, KitParts[part], side);
    return name;
  }
  static void OpenDataSet() {
    OpenBuiltHardDiskPak();
  }
};

TEST_F(KitLoadTest, LookCodesNameTheirFolders) {
  struct Case {
    int code;
    const char *skin, *colour, *length;
  };
  const Case cases[] = {
      {0, "White", "blonde", "Short"},  {1, "Latin", "ginger", "Short"},  {2, "White", "brown", "Short"},
      {3, "White", "black", "Medium"},  {4, "WestInd", "black", "Normal"}, {5, "Dafrican", "black", "Medium"},
      {6, "WestInd", "black", "Medium"}, {7, "White", "black", "Normal"},  {-1, "White", "black", "Normal"},
  };
  for (const Case& c : cases) {
    EXPECT_STREQ(ReturnSkinName(KIT_SkinIndex(c.code)), c.skin) << c.code;
    EXPECT_STREQ(ReturnHairColName(KIT_HairColourIndex(c.code)), c.colour) << c.code;
    EXPECT_STREQ(ReturnHairLengthName(KIT_HairLengthIndex(c.code)), c.length) << c.code;
  }
  EXPECT_FATAL(ReturnSkinName(4), "ReturnSkinName default case hit");
  EXPECT_FATAL(ReturnHairColName(-1), "ReturnHairColName default case hit");
  EXPECT_FATAL(ReturnHairLengthName(3), "ReturnHairLengthName default case hit");
}

TEST_F(KitLoadTest, LooksComeFromTheSheetAndTheOfficialsShareOne) {
  SetLook(20, 5, 1, 3);
  StoreI16(Entry(20) + SETUP_PLAYER_SPARE1, 0xFFFF);
  int16_t look[KIT_LOOK_VALUES];
  KIT_GetPlayerPhysLook(20, look);
  EXPECT_EQ(std::vector<int16_t>(look, look + 5), (std::vector<int16_t>{5, 1, -1, 3, 0}));
  for (int official : {32, 33, 34}) {
    KIT_GetPlayerPhysLook(official, look);
    EXPECT_EQ(std::vector<int16_t>(look, look + 5), (std::vector<int16_t>{0, 2, 0, 4, 180}));
    EXPECT_EQ(KIT_GetPlayerShirtNumber(official), -1);
  }
  EXPECT_FATAL(KIT_GetPlayerPhysLook(35, look), "KIT_GetPlayerPhysLook\\(\\): player number 35 out of range");
  EXPECT_FATAL(KIT_GetPlayerPhysLook(-1, look), "player number -1 out of range");
}

TEST_F(KitLoadTest, VariantsFollowLookAndSide) {
  SetLook(0, 0, 0, 0);    // white, blonde, short
  SetLook(1, 1, 1, 3);    // Latin, ginger, medium
  SetLook(2, 5, 0, 0);    // Dafrican: always black hair of normal length
  SetLook(17, 4, 2, 0);   // WestInd likewise
  const int face = 8, skin = kHand;
  struct Case {
    int part, object, variant;
  };
  const Case cases[] = {
      {kShoe, 5, 0},   {skin, 0, KIT_SKIN_WHITE}, {skin, 2, KIT_SKIN_DAFRICAN}, {skin, 33, KIT_SKIN_WHITE},
      {face, 0, KIT_SKIN_WHITE | (KIT_HAIR_BLONDE << 2) | (KIT_HAIR_SHORT << 4)},
      {face, 1, KIT_SKIN_LATIN | (KIT_HAIR_GINGER << 2) | (KIT_HAIR_MEDIUM << 4)},
      {face, 2, KIT_SKIN_DAFRICAN | (KIT_HAIR_BLACK << 2) | (KIT_HAIR_NORMAL << 4)},
      {face, 17, KIT_SKIN_WESTIND | (KIT_HAIR_BLACK << 2) | (KIT_HAIR_NORMAL << 4)},
      {face, 32, KIT_SKIN_WHITE | (KIT_HAIR_BROWN << 2) | (KIT_HAIR_NORMAL << 4)},
      {kShirtFront, 15, 0}, {kShirtFront, 16, 1}, {kShirtFront, 31, 1}, {kShirtFront, 32, 2}, {kSocks, 34, 2},
  };
  for (const Case& c : cases) EXPECT_EQ(KIT_GetKitType(KitParts[c.part], c.object), c.variant) << c.part << " " << c.object;
}

TEST_F(KitLoadTest, FileNamesOfEveryKind) {
  KitDesign design{};
  const int styles[6] = {3, 1, 0, 6, 4, 7};  // shirt, top, left, right, shorts, socks
  for (int k = 0; k < 6; ++k) StoreI16(design.bytes + KIT_STYLE_OFFSET + 2 * k, static_cast<uint16_t>(styles[k]));
  SetDesign(1, design);
  const int face = KIT_SKIN_LATIN | (KIT_HAIR_GINGER << 2) | (KIT_HAIR_MEDIUM << 4);
  struct Case {
    int part, variant, side;
    const char* name;
  };
  const Case cases[] = {
      {kShoe, 0, 0, "sskin\\textures\\MISC\\shoe.GFX"},
      {kHand, KIT_SKIN_WHITE, 0, "sskin\\textures\\SKINS\\White\\skin\\hand.GFX"},
      {kFaceFront, face, 0, "sskin\\textures\\SKINS\\Latin\\faces\\Medium\\ginger\\faceF.GFX"},
      {kSocks, 1, 1, "sskin\\textures\\kits\\SHINS\\SHIN008\\AllShin.GFX"},
      {15, 1, 1, "sskin\\textures\\kits\\shirttop\\stop002\\shirttop.GFX"},
      {16, 1, 1, "sskin\\textures\\kits\\upparms\\uparm001\\uparml.GFX"},
      {kRightArm, 1, 1, "sskin\\textures\\kits\\upparms\\uparm007\\uparml.GFX"},
      {19, 1, 1, "sskin\\textures\\kits\\shorts\\short005\\sback.GFX"},
      {kShirtBack, 1, 1, "sskin\\textures\\kits\\SHIRTS\\SHIRT004\\shirtbac.GFX"},
      {kShirtFront, 2, 2, "sskin\\textures\\kits\\SHIRTS\\SHIRT999\\shirtfr.GFX"},
      {kRightArm, 2, 2, "sskin\\textures\\kits\\upparms\\uparm999\\uparml.GFX"},
      {kKeeperBack, 1, 1, "sskin\\textures\\kits\\keeper\\kit001\\kshirtb.GFX"},
      {kKeeperBack, 2, 2, "sskin\\textures\\kits\\keeper\\kit001\\kshirtb.GFX"},
  };
  for (const Case& c : cases) EXPECT_EQ(Name(c.variant, c.part, c.side), c.name) << c.part;
  char name[KIT_NAME_SIZE];
  KIT_BuildOverlayFilename(name, sizeof name, 7, KitParts[kShirtBack]);
  EXPECT_STREQ(name, "sskin\\textures\\overlays\\Numbers\\B_NUM7.GFX");
  EXPECT_FATAL(KIT_BuildOverlayFilename(name, sizeof name, 7, KitParts[kShirtFront]),
               "KitBuildOverlayFilename\\(\\): can't build shirt overlay name");
  EXPECT_FATAL(Name(3, kShirtFront, 3), "ERROR: BuildFilename type = 3");
  EXPECT_FATAL(Kit_ReturnKit(KIT_KIND_FACE, 0), "ERROR: Kit_ReturnKit 9 kitpart not found");
  StoreI16(design.bytes + KIT_STYLE_OFFSET, 0xFFFF);  // a style that names no folder
  SetDesign(0, design);
  EXPECT_FATAL(Kit_ReturnKit(KIT_KIND_SHIRT, 0), "Kit_ReturnKit\\(\\): side 0 style -1 names no kit");
}

TEST_F(KitLoadTest, OnlyTheWatchedMatchLoadsKits) {
  StoreI16(GetMatchSetupRecord() + SETUP_DISPLAY_MODE, 1);
  EXPECT_FATAL(KIT_LoadTextures(), "no case for non-watch games");
  EXPECT_FATAL(KIT_LoadOneTexture(0, KitParts[0]), "KIT_LoadOneTexture\\(\\): unknown game type");
}

TEST_F(KitLoadTest, TheDataSetDressesThirtyFivePeople) {
  OpenDataSet();
  SetTwoSides();
  SetShirt(15, 0);   // no number: the side's plain back
  SetShirt(14, 40);  // past the last overlay: likewise
  KITPLR_ResetTextures();
  KIT_LoadTextures();
  for (int part = 0; part < KIT_PART_COUNT; ++part) {
    int32_t w = 0, h = 0;
    KITPLR_GetTextureSizeFromIndex(part, &w, &h);
    EXPECT_GT(w, 0) << KitParts[part].name;
    for (int object = 0; object < KIT_PEOPLE; ++object) ASSERT_GE(KITPLR_GetTexture(object, part), 0) << part;
  }
  // Skins are shared by tone whatever the side; shirt fronts per side; each
  // numbered back is its own.
  EXPECT_EQ(KITPLR_GetTexture(0, kHand), KITPLR_GetTexture(16, kHand));  // both look 0
  EXPECT_EQ(KITPLR_GetTexture(0, kHand), KITPLR_GetTexture(32, kHand));
  EXPECT_NE(KITPLR_GetTexture(0, kHand), KITPLR_GetTexture(1, kHand));
  EXPECT_EQ(KITPLR_GetTexture(0, kShirtFront), KITPLR_GetTexture(9, kShirtFront));
  EXPECT_NE(KITPLR_GetTexture(0, kShirtFront), KITPLR_GetTexture(16, kShirtFront));
  EXPECT_NE(KITPLR_GetTexture(0, kShirtBack), KITPLR_GetTexture(1, kShirtBack));
  EXPECT_NE(KITPLR_GetTexture(0, kKeeperBack), KITPLR_GetTexture(16, kKeeperBack));
  EXPECT_EQ(KITPLR_GetTexture(14, kShirtBack), KITPLR_GetTexture(15, kShirtBack));
  EXPECT_EQ(KITPLR_GetTexture(32, kShirtBack), KITPLR_GetTexture(34, kShirtBack));
  EXPECT_NE(KITPLR_GetTexture(33, kShirtBack), KITPLR_GetTexture(14, kShirtBack));
  // Texels: the first side in its ramps, the second moved 44 on, the
  // officials in their own, the numbers painted over in white.
  struct Range {
    int object, part, first, last;
  };
  const Range ranges[] = {{0, kShirtFront, 48, 58},   {16, kShirtFront, 92, 102}, {32, kShirtFront, 136, 151},
                          {3, kSocks, 72, 80},        {20, kSocks, 116, 124},     {1, kKeeperBack, 6, 91},
                          {0, 17, 60, 71},            {17, 17, 104, 115},         {21, kKeeperBack, 6, 135}};
  for (const Range& r : ranges) {
    const uint8_t* t = KITPLR_GetTexture256(r.object, r.part);
    for (int i = 0; i < TextureWidth(t) * TextureHeight(t); ++i)
      ASSERT_TRUE(TexturePixels(t)[i] >= r.first && TexturePixels(t)[i] <= r.last)
          << r.object << " " << r.part << " texel " << +TexturePixels(t)[i];
  }
  EXPECT_EQ(KitLoad_SeamCount("TexD3D_CreateTexture"), 0);
  // A sheet per side and the officials fits a 640 x 480 picture; a narrow
  // buffer cuts what does not fit.
  for (int object : {0, 16, 32}) {
    std::vector<uint8_t> sheet(640 * 480, 0);
    const int used = KIT_DrawKitSheet(sheet.data(), 640, 480, 640, object);
    EXPECT_GT(used, 64);
    EXPECT_LE(used, 480);
    EXPECT_NE(sheet[0], 0);
    std::vector<uint8_t> narrow(20 * 10 + 8, 0xEE);
    KIT_DrawKitSheet(narrow.data(), 20, 10, 20, object);
    EXPECT_EQ(narrow[20 * 10], 0xEE);
  }
  PakFileUninit();
}

TEST_F(KitLoadTest, TheDataSetHoldsEveryFaceAndEveryKitTheDesignsName) {
  OpenDataSet();
  std::set<std::string> names;
  for (int part = 0; part < KIT_PART_COUNT; ++part) {
    const KitPart& p = KitParts[part];
    if (p.kind == KIT_KIND_FACE) {
      for (int v = 0; v < KIT_VARIANTS; ++v)
        if ((v >> 4) < KIT_HAIR_LENGTHS) names.insert(Name(v, part, 0));
    } else if (p.kind == KIT_KIND_SKIN) {
      for (int v = 0; v < KIT_SKINS; ++v) names.insert(Name(v, part, 0));
    } else if (p.kind != KIT_KIND_SHARED) {
      names.insert(Name(2, part, 2));
      for (int style = 0; style < KIT_STYLE_COUNT; ++style) {
        KitDesign design{};
        for (int k = 0; k < 6; ++k) StoreI16(design.bytes + KIT_STYLE_OFFSET + 2 * k, static_cast<uint16_t>(style));
        SetDesign(0, design);
        names.insert(Name(0, part, 0));
      }
    }
  }
  for (int n = 1; n <= KIT_SHIRT_NUMBERS; ++n) {
    char name[KIT_NAME_SIZE];
    KIT_BuildOverlayFilename(name, sizeof name, n, KitParts[kKeeperBack]);
    names.insert(name);
  }
  EXPECT_GT(names.size(), 400u);
  // Every kit colour's palette, its shades brightest first.
  for (int colour = 0; colour < KIT_COLOURS; ++colour) {
    KitDesign design{};
    for (int offset : {KIT_COLOUR_OFFSET, KIT_COLOUR_OFFSET + 2, KIT_COLOUR_OFFSET + 4, KIT_KEEPER_COLOUR_OFFSET})
      StoreI16(design.bytes + offset, static_cast<uint16_t>(colour));
    SetDesign(0, design);
    LoadKitPalettes();
    for (int c = 0; c < 3; ++c) {
      EXPECT_GE(GamePalette[48 * 3 + c], GamePalette[58 * 3 + c]) << colour;
      EXPECT_EQ(GamePalette[48 * 3 + c], std::min(255, KitRGB[colour][c] * 120 / 100)) << colour;
    }
  }
  for (const std::string& name : names) {
    const int texture = TEXT_CreateTexture(name.c_str());
    ASSERT_GE(texture, 0) << name;
  }
  FreeTextures();
  PakFileUninit();
}

TEST_F(KitLoadTest, APartWhoseSidesDifferInSizeStops) {
  SetTwoSides();
  for (int object = 0; object < 32; ++object) SetLook(object, 0, 0, 0);
  // Every file the match names, 2 x 2, but the second side's shirt front.
  std::set<std::string> names;
  for (int part = 0; part < KIT_PART_COUNT; ++part)
    for (int object = 0; object < KIT_PEOPLE; ++object) {
      const int v = KIT_GetKitType(KitParts[part], object);
      names.insert(Name(v, part, v));
    }
  for (int n = 1; n <= KIT_SHIRT_NUMBERS; ++n) {
    char name[KIT_NAME_SIZE];
    KIT_BuildOverlayFilename(name, sizeof name, n, KitParts[kShirtBack]);
    names.insert(name);
  }
  const std::string odd = Name(1, kShirtFront, 1);
  std::vector<PakWriteItem> items;
  for (const std::string& n : names) {
    const bool wide = n == odd;
    std::string upper = "ZVDATA\\SOFTWARE\\" + n;
    for (char& ch : upper) ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
    std::vector<uint8_t> file(wide ? 12 : 8, 50);  // width, height, then the texels
    StoreU16(file.data(), wide ? 4 : 2);
    StoreU16(file.data() + 2, 2);
    items.push_back({upper, file});
  }
  OpenTestPak(items);
  EXPECT_FATAL(KIT_LoadTextures(),
               "Error in texture sizes for 'shirtfr' 23\n       found size 2x2 and 4x2");
}

TEST_F(KitLoadTest, PlainTexturesLoadOncePerNameAndPartsAreFoundByName) {
  OpenTestPak({{"ZVDATA\\SOFTWARE\\STADIUM\\ROOF.GFX", TextureFile(2, 1, {9, 9})},
               {"ZVDATA\\SOFTWARE\\STADIUM\\SEAT.GFX", TextureFile(1, 3, {1, 2, 3})}});
  const int16_t roof = NORMTEXT_LoadTexture("stadium\\roof.gfx");
  EXPECT_EQ(NORMTEXT_LoadTexture("STADIUM\\Roof.GFX"), roof);
  const int16_t seat = NORMTEXT_LoadTexture("stadium\\seat.gfx");
  EXPECT_NE(seat, roof);
  int32_t w = 0, h = 0;
  KIT_GetTextureSizeFromIndex(seat, &w, &h);
  EXPECT_EQ(w, 1);
  EXPECT_EQ(h, 3);
  EXPECT_EQ(KITPLR_GetTextureIndexFromName("SHIRTFR.GFX"), kShirtFront);
  EXPECT_EQ(KITPLR_GetTextureIndexFromName("uparmr.GFX"), kRightArm);
  EXPECT_FATAL(KITPLR_GetTextureIndexFromName("shirtfr"), "cannot find 'shirtfr' texture in list");
  EXPECT_FATAL(KITPLR_GetTextureSizeFromIndex(KIT_PART_COUNT, &w, &h), "KITPLR_GetTextureSizeFromIndex\\(\\): invalid index 34");
  EXPECT_FATAL(KIT_GetTextureSizeFromIndex(seat + 1, &w, &h), "KIT_GetTextureSizeFromIndex\\(\\): invalid index");
  StoreI16(GetMatchSetupRecord() + SETUP_DISPLAY_MODE, 0);
  EXPECT_EQ(NORMTEXT_LoadTexture("stadium\\roof.gfx"), roof);  // already loaded
  EXPECT_FATAL(NORMTEXT_LoadTexture("stadium\\new.gfx"), "NORMTEXT_LoadTexture\\(\\): unknown game format");
}

TEST_F(KitLoadTest, SlotsStartEmptyAndAreChecked) {
  KITPLR_ResetTextures();
  EXPECT_EQ(KITPLR_GetTexture(0, 0), -1);
  EXPECT_EQ(KITPLR_GetTexture(34, KIT_PLAYER_SLOTS - 1), -1);
  EXPECT_EQ(KITPLR_GetTexture256(3, 3), nullptr);
  EXPECT_FATAL(KITPLR_GetTexture(35, 0), "KITPLR_GetTexture\\(\\): person 35 slot 0 out of range");
  EXPECT_FATAL(KITPLR_GetTexture(0, KIT_PLAYER_SLOTS), "out of range");
}

}  // namespace
