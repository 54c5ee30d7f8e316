// Typing into the main window's boxes: what is accepted, what is refused
// with which message, and what the chart and the boxes show afterwards.
#include <gtest/gtest.h>

#include "LocalDate.h"
#include "MainFormModel.h"
#include "ScriptedFormUi.h"

namespace {

constexpr const char* kLatitudeMessage =
    "-89度59分59秒以上89度59分59秒以下でかつ\n0度00分00秒以外の緯度を入力してください。";
constexpr const char* kLongitudeMessage =
    "-180度00分00秒以上180度00分00秒以下の経度を入力してください。";
constexpr const char* kDateMessage = "1月1日から12月31日までの正しい日付を入力してください。";

class MainFormTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(form.Load()); }

  // Enters the box, replaces its text and leaves it.
  bool Type(FormBox box, const std::string& text) {
    form.Enter(box);
    form.Edit(box, text);
    return form.Leave(box);
  }
  // Puts degrees, minutes and seconds into a row, one box after another.
  void TypeRow(FormRow row, const std::string& d, const std::string& m, const std::string& s) {
    Type(BoxAt(row, 1), m);
    Type(BoxAt(row, 2), s);
    Type(BoxAt(row, 0), d);
  }
  double Latitude() { return model.Chart().Location().Latitude(); }

  MainModel model;
  ScriptedFormUi ui;
  MainFormModel form{model, ui};
};

TEST_F(MainFormTest, LatitudeSignComesFromTheDegreesBoxAndZeroIsRefused) {
  EXPECT_FALSE(model.modified);
  TypeRow(FormRow::Latitude, "-0", "30", "0");
  EXPECT_DOUBLE_EQ(Latitude(), -0.5);
  EXPECT_TRUE(model.modified);
  EXPECT_EQ(form.Text(FormBox::Latitude0), "-0");
  EXPECT_EQ(form.Text(FormBox::Latitude1), "30");

  Type(FormBox::Latitude2, "1");
  Type(FormBox::Latitude1, "0");
  Type(FormBox::Latitude0, "0");
  EXPECT_DOUBLE_EQ(Latitude(), 1 / 3600.0);
  ui.asked.clear();
  EXPECT_FALSE(Type(FormBox::Latitude2, "0"));
  ASSERT_EQ(ui.asked.size(), 1u);
  EXPECT_EQ(ui.asked[0].text, kLatitudeMessage);
  EXPECT_EQ(ui.asked[0].icon, FormIcon::Information);
  EXPECT_EQ(ui.asked[0].caption, "Umbrafex");
  EXPECT_EQ(form.Text(FormBox::Latitude2), "01");  // undone
  EXPECT_EQ(form.Editing(), FormBox::Latitude2);   // the focus stays
  EXPECT_DOUBLE_EQ(Latitude(), 1 / 3600.0);
}

TEST_F(MainFormTest, RangesOfEveryAngleBox) {
  struct Case {
    FormBox box;
    std::string text;
    bool accepted;
  };
  const Case cases[] = {
      {FormBox::Latitude0, "89", true},    {FormBox::Latitude0, "90", false},
      {FormBox::Latitude0, "-90", false},  {FormBox::Latitude1, "60", false},
      {FormBox::Latitude2, "60", false},   {FormBox::Longitude0, "180", true},
      {FormBox::Longitude0, "181", false}, {FormBox::Longitude1, "60", false},
      {FormBox::Longitude2, "60", false},  {FormBox::Latitude1, "abc", false},
      {FormBox::Latitude1, "", false},     {FormBox::Latitude1, "1e9", false},
      {FormBox::Latitude0, "３５", true},  {FormBox::Longitude0, "－１２０", true},
  };
  for (const Case& c : cases) {
    TypeRow(FormRow::Latitude, "34", "0", "0");
    TypeRow(FormRow::Longitude, "135", "0", "0");
    ui.asked.clear();
    EXPECT_EQ(Type(c.box, c.text), c.accepted) << c.text;
    if (!c.accepted) {
      const bool latitude = RowOf(c.box) == FormRow::Latitude;
      EXPECT_EQ(ui.LastText(), latitude ? kLatitudeMessage : kLongitudeMessage) << c.text;
    }
  }
  EXPECT_DOUBLE_EQ(model.Chart().Location().Longitude(), -120);
}

TEST_F(MainFormTest, LongitudeMinus180RefusedByTheChartIsUndoneAndKeepsTheFocus) {
  TypeRow(FormRow::Longitude, "170", "0", "0");
  ui.asked.clear();
  EXPECT_FALSE(Type(FormBox::Longitude0, "-180"));
  ASSERT_EQ(ui.asked.size(), 1u);
  EXPECT_EQ(ui.asked[0].text, "不正な経度の値が指定されています。");
  EXPECT_EQ(ui.asked[0].icon, FormIcon::Exclamation);
  EXPECT_EQ(form.Text(FormBox::Longitude0), "+170");
  EXPECT_EQ(form.Editing(), FormBox::Longitude0);
  EXPECT_DOUBLE_EQ(model.Chart().Location().Longitude(), 170);
}

TEST_F(MainFormTest, ARefusalStaysUndoneWhenTheFocusComesBackDuringItsMessage) {
  ui.whileAsking = [this] { form.Enter(FormBox::Latitude0); };
  EXPECT_FALSE(Type(FormBox::Latitude0, "95"));
  ui.whileAsking = nullptr;
  EXPECT_EQ(form.Text(FormBox::Latitude0), "+34");
  EXPECT_TRUE(form.Leave(FormBox::Latitude0));
  EXPECT_DOUBLE_EQ(Latitude(), 34.65);
}

TEST_F(MainFormTest, ANeighbourWithoutANumberFailsWithTheConversionsMessage) {
  form.Edit(FormBox::Latitude1, "x");  // pasted, never left
  EXPECT_FALSE(Type(FormBox::Latitude0, "40"));
  EXPECT_EQ(ui.LastText(), "型が一致しません。");
  EXPECT_EQ(ui.asked.back().icon, FormIcon::Exclamation);
  EXPECT_DOUBLE_EQ(Latitude(), 34.65);
}

TEST_F(MainFormTest, DatesFollowTheChartsLeapYear) {
  EXPECT_TRUE(Type(FormBox::Date0, "3"));  // disabled without the date mode: nothing happens
  EXPECT_TRUE(ui.asked.empty());
  EXPECT_EQ(form.Text(FormBox::Date0), std::to_string(model.season.seasonDate.month));
  form.ChooseDateMode(1);
  Type(FormBox::Date1, "01");
  EXPECT_TRUE(Type(FormBox::Date0, "2"));
  model.Chart().setLeapYear(true);
  EXPECT_TRUE(Type(FormBox::Date1, "29"));
  EXPECT_EQ(model.season.seasonDate, DateOfYear(Today().year, 2, 29));
  // In a common calendar year the day rolls over to 1 March.
  EXPECT_EQ(model.Chart().Season().CalcDate(), model.season.seasonDate.month == 2 ? 60 : 61);
  model.Chart().setLeapYear(false);
  Type(FormBox::Date0, "2");
  Type(FormBox::Date1, "28");
  ui.asked.clear();
  for (const auto& [box, text] :
       std::initializer_list<std::pair<FormBox, std::string>>{{FormBox::Date1, "29"},
                                                              {FormBox::Date0, "13"},
                                                              {FormBox::Date0, "0"},
                                                              {FormBox::Date1, "0"}}) {
    EXPECT_FALSE(Type(box, text)) << text;
  }
  Type(FormBox::Date0, "4");
  EXPECT_FALSE(Type(FormBox::Date1, "31"));
  ASSERT_EQ(ui.asked.size(), 5u);
  EXPECT_EQ(ui.LastText(), kDateMessage);
}

TEST_F(MainFormTest, LeavingUnchangedOrTheNameBoxAndUndo) {
  form.Enter(FormBox::Latitude0);
  EXPECT_TRUE(form.Leave(FormBox::Latitude0));
  EXPECT_FALSE(model.modified);
  form.Enter(FormBox::Latitude0);
  form.Edit(FormBox::Latitude0, "12");
  form.Undo(FormBox::Latitude0);
  EXPECT_EQ(form.Text(FormBox::Latitude0), "+34");
  EXPECT_TRUE(Type(FormBox::Location, ""));
  EXPECT_EQ(model.Chart().Location().Name(), "");
  EXPECT_TRUE(model.modified);
}

TEST_F(MainFormTest, CommandsValidateTheBoxBeingEditedFirst) {
  form.Enter(FormBox::Latitude0);
  form.Edit(FormBox::Latitude0, "40");
  EXPECT_TRUE(form.ValidateEditing());
  EXPECT_DOUBLE_EQ(Latitude(), 40.65);
  EXPECT_TRUE(model.modified);
  form.Enter(FormBox::Latitude0);
  form.Edit(FormBox::Latitude0, "95");
  EXPECT_FALSE(form.ValidateEditing());
  EXPECT_EQ(form.Editing(), FormBox::Latitude0);
}

TEST(FormKeysTest, FiltersOfTheBoxes) {
  EXPECT_EQ(FilterKindOf(FormBox::Latitude0), 0);
  EXPECT_EQ(FilterKindOf(FormBox::Longitude2), 1);
  EXPECT_EQ(FilterKindOf(FormBox::Date0), 1);
  EXPECT_EQ(FilterKindOf(FormBox::Location), 4);
  EXPECT_TRUE(KeyPasses(0, U'-'));
  EXPECT_FALSE(KeyPasses(1, U'-'));
  EXPECT_FALSE(KeyPasses(0, U'.'));
  EXPECT_TRUE(KeyPasses(3, U'.'));
  EXPECT_TRUE(KeyPasses(1, U'\b'));
  EXPECT_FALSE(KeyPasses(1, U'a'));
  EXPECT_TRUE(KeyPasses(4, U'あ'));
}

}  // namespace
