// The two bridges: a raised error becomes a status with its record, and a
// recorded error raises again unchanged.
#include <gtest/gtest.h>

#include <new>
#include <sstream>
#include <stdexcept>

#include "EngineErrors.h"
#include "UiLanguage.h"

namespace {

TEST(Status, TrapAndRaiseCarryTheWholeError) {
  ErrorRecord record;
  EXPECT_EQ(TrapStatus(record, [] {}), Status::Ok());
  const Status status =
      TrapStatus(record, [] { RaiseError(kEngineErrorNumber, "Chart.AddSolars", "説明"); });
  EXPECT_EQ(status, Status::Error(kEngineErrorNumber));
  EXPECT_EQ(record.number, kEngineErrorNumber);
  EXPECT_EQ(record.source, "Chart.AddSolars");
  EXPECT_EQ(record.description, "説明");

  ErrorRecord again;
  EXPECT_EQ(TrapStatus(again, [&] { RaiseRecorded(record); }), status);
  EXPECT_EQ(again.source, "Chart.AddSolars");
  EXPECT_EQ(again.description, "説明");
  // A body that reports a status itself gives it back as it is.
  EXPECT_EQ(TrapStatus(again, [] { return Status::Error(kFileAccessNumber); }),
            Status::Error(kFileAccessNumber));
}

TEST(Status, FaultsOfThePlatformBecomeErrors) {
  ErrorRecord record;
  EXPECT_EQ(TrapStatus(record, [] { throw std::bad_alloc(); }), Status::Error(kOutOfMemoryNumber));
  EXPECT_EQ(record.source, "");
  EXPECT_EQ(record.description, "メモリが不足しています。");

  const auto internal = [](const std::exception& fault) {
    return ErrorRecord{51, "Umbrafex", fault.what()};
  };
  EXPECT_EQ(TrapStatus(
                record, [] { throw std::logic_error("bug"); }, internal),
            Status::Error(51));
  EXPECT_EQ(record.description, "bug");

  std::ostringstream text;
  text << Status::Ok() << ", " << Status::Error(6);
  EXPECT_EQ(text.str(), "ok, error 6");
}

// The engine's texts reach records and raised errors in the installed
// language; other texts pass as they are.
TEST(Status, EngineTextsInTheInstalledLanguage) {
  const auto overflow = [] { RaiseError(kOverflowNumber, "Chart.AddSolars", kOverflowText); };
  ErrorRecord record;
  InstallUiLanguage(UiLanguage::English);
  EXPECT_EQ(TrapStatus(record, overflow), Status::Error(kOverflowNumber));
  EXPECT_EQ(record.description, "Overflow.");
  InstallUiLanguage(UiLanguage::Japanese);
  EXPECT_EQ(TrapStatus(record, overflow), Status::Error(kOverflowNumber));
  EXPECT_EQ(record.description, "オーバーフローしました。");
  EXPECT_EQ(RaisedError(kOverflowNumber, "", "Overflow.").Description(),
            "オーバーフローしました。");
  EXPECT_EQ(RaisedError(kOverflowNumber, "", "Overflow!").Description(), "Overflow!");
  InstallUiLanguage(LanguageFromLocale());
}

}  // namespace
