// The dial-plane group of the main window: what each choice of the list
// lets the user type, what it does to the plane, the checks of the facing
// and the tilt, and the plane a document brings.
#include <gtest/gtest.h>

#include "../platform/ScratchFolder.h"
#include "MainFormModel.h"
#include "ScriptedFormUi.h"

namespace {

constexpr int kHorizontal = static_cast<int>(PlanePreset::Horizontal);
constexpr int kVertical = static_cast<int>(PlanePreset::Vertical);
constexpr int kPolar = static_cast<int>(PlanePreset::Polar);
constexpr int kEquatorial = static_cast<int>(PlanePreset::Equatorial);

constexpr const char* kFacingMessage = "0度以上360度以下の向きを入力してください(南は180度)。";
constexpr const char* kTiltMessage = "0度(水平)以上180度以下の傾きを入力してください(壁は90度)。";

class MainFormPlaneTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(form.Load()); }

  bool Type(FormBox box, const std::string& text) {
    form.Enter(box);
    form.Edit(box, text);
    return form.Leave(box);
  }
  void ExpectPlane(double facing, double tilt) {
    EXPECT_NEAR(model.dialPlane.facing, facing, 1e-9);
    EXPECT_NEAR(model.dialPlane.tilt, tilt, 1e-9);
  }

  MainModel model;
  ScriptedFormUi ui;
  MainFormModel form{model, ui};
};

TEST_F(MainFormPlaneTest, EachChoiceEnablesWhatItLetsTheUserChange) {
  EXPECT_EQ(form.PlaneChoice(), kHorizontal);
  EXPECT_FALSE(form.FacingEnabled());
  EXPECT_FALSE(form.TiltEnabled());
  // A disabled box takes nothing, silently.
  EXPECT_TRUE(Type(FormBox::PlaneTilt, "45"));
  EXPECT_TRUE(ui.asked.empty());
  EXPECT_EQ(form.Text(FormBox::PlaneTilt), "0");
  EXPECT_FALSE(model.modified);

  model.dialPlane.facing = 100;  // kept from an earlier wall; horizontal ignores it
  form.ChoosePlane(kVertical);
  ExpectPlane(180, 90);  // toward the equator
  EXPECT_TRUE(form.FacingEnabled());
  EXPECT_FALSE(form.TiltEnabled());
  EXPECT_EQ(form.FacingCompass(), "南");
  EXPECT_TRUE(model.modified);

  form.ChoosePlane(kPolar);
  ExpectPlane(180, 34.65);
  EXPECT_EQ(form.Text(FormBox::PlaneTilt), "34.65");
  EXPECT_FALSE(form.FacingEnabled());
  // Polar and equatorial planes turn with the latitude, into the south too.
  Type(FormBox::Latitude0, "40");
  ExpectPlane(180, 40.65);
  form.ChoosePlane(kEquatorial);
  ExpectPlane(0, 49.35);
  Type(FormBox::Latitude0, "-40");
  ExpectPlane(180, 49.35);

  form.ChoosePlane(kCustomPlane);  // starts from the plane as it is
  ExpectPlane(180, 49.35);
  EXPECT_TRUE(form.FacingEnabled());
  EXPECT_TRUE(form.TiltEnabled());
  EXPECT_TRUE(Type(FormBox::PlaneFacing, "95.5"));
  EXPECT_TRUE(Type(FormBox::PlaneTilt, "90"));
  EXPECT_EQ(form.PlaneChoice(), kCustomPlane);  // a typed wall stays custom
  form.ChoosePlane(kVertical);                  // and keeps its facing
  ExpectPlane(95.5, 90);
  EXPECT_EQ(form.FacingCompass(), "東");

  form.ChoosePlane(kHorizontal);
  form.ChoosePlane(kVertical);
  ExpectPlane(0, 90);  // the equator lies north of 40°S
}

TEST_F(MainFormPlaneTest, FacingAndTiltAreCheckedWithTheirMessages) {
  form.ChoosePlane(kCustomPlane);
  struct Case {
    FormBox box;
    std::string text;
    bool accepted;
  };
  const Case cases[] = {
      {FormBox::PlaneFacing, "400", false},       {FormBox::PlaneFacing, "-10", false},
      {FormBox::PlaneFacing, "abc", false},       {FormBox::PlaneFacing, "", false},
      {FormBox::PlaneFacing, "１５０．５", true}, {FormBox::PlaneFacing, "360", true},
      {FormBox::PlaneTilt, "180.5", false},       {FormBox::PlaneTilt, "-1", false},
      {FormBox::PlaneTilt, "1e9", false},         {FormBox::PlaneTilt, "180", true},
  };
  for (const Case& c : cases) {
    ui.asked.clear();
    const std::string before = form.Text(c.box);
    EXPECT_EQ(Type(c.box, c.text), c.accepted) << c.text;
    if (c.accepted) continue;
    ASSERT_EQ(ui.asked.size(), 1u) << c.text;
    EXPECT_EQ(ui.asked[0].text, c.box == FormBox::PlaneFacing ? kFacingMessage : kTiltMessage);
    EXPECT_EQ(ui.asked[0].icon, FormIcon::Information);
    EXPECT_EQ(form.Text(c.box), before) << c.text;  // undone
    EXPECT_EQ(form.Editing(), c.box);               // the focus stays
  }
  ExpectPlane(0, 180);  // 360 is north again
  EXPECT_EQ(form.Text(FormBox::PlaneFacing), "0");
  EXPECT_EQ(FilterKindOf(FormBox::PlaneFacing), 3);  // a "-" reaches the check
}

TEST_F(MainFormPlaneTest, AMeasuredWallAndADocumentsPlaneAreShown) {
  form.UseWallFacing(160.2);
  EXPECT_EQ(form.PlaneChoice(), kVertical);
  ExpectPlane(160.2, 90);
  EXPECT_EQ(form.Text(FormBox::PlaneFacing), "160.2");
  EXPECT_EQ(form.FacingCompass(), "南南東");
  EXPECT_TRUE(model.modified);

  ScratchFolder scratch{"mainplane"};
  for (const int choice : {kPolar, kCustomPlane}) {
    form.ChoosePlane(choice);
    if (choice == kCustomPlane) Type(FormBox::PlaneTilt, "30");
    const std::string path = scratch.Path("plane" + std::to_string(choice) + ".ufx");
    ui.savePaths.push_back(path);
    ASSERT_TRUE(form.SaveDocumentAs());
    MainModel opened;
    MainFormModel openedForm{opened, ui};
    ASSERT_TRUE(openedForm.Load());
    EXPECT_EQ(openedForm.PlaneChoice(), kHorizontal);
    ASSERT_TRUE(openedForm.OpenAtStartup(path));
    EXPECT_EQ(openedForm.PlaneChoice(), choice);
    EXPECT_EQ(openedForm.Text(FormBox::PlaneTilt), form.Text(FormBox::PlaneTilt));
    EXPECT_EQ(opened.dialPlane, model.dialPlane);
  }
}

// An analemmatic dial lies level: while it is chosen the plane rests, and
// a wall measured with the sun brings the gnomon's dial back.
TEST_F(MainFormPlaneTest, TheAnalemmaticDialRestsThePlaneAndAWallEndsIt) {
  form.ChoosePlane(kVertical);
  model.modified = false;
  form.ChooseDialKind(static_cast<int>(DialKind::Analemmatic));
  EXPECT_TRUE(model.IsAnalemmatic());
  EXPECT_TRUE(model.modified);
  EXPECT_FALSE(form.PlaneEnabled() || form.FacingEnabled() || form.TiltEnabled());
  EXPECT_TRUE(Type(FormBox::PlaneFacing, "90"));
  ExpectPlane(180, 90);
  form.ChooseDialKind(7);  // no such kind
  EXPECT_TRUE(model.IsAnalemmatic());
  form.UseWallFacing(200);
  EXPECT_FALSE(model.IsAnalemmatic());
  EXPECT_EQ(form.DialKindChoice(), static_cast<int>(DialKind::Gnomon));
}

}  // namespace
