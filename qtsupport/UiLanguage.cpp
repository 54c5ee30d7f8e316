#include "UiLanguage.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "EngineErrors.h"

namespace {

// Made once and kept for the whole run: TranslateText may be asked before
// and after the application exists.
QTranslator& ProgramTranslator() {
  static auto* translator = new QTranslator;
  return *translator;
}

QTranslator& QtTranslator() {
  static auto* translator = new QTranslator;
  return *translator;
}

constexpr const char* kJapaneseTexts = ":/i18n/umbrafex_ja.qm";

std::string TranslateWithProgramTranslator(const char* context, const char* source) {
  const QString text = ProgramTranslator().translate(context, source);
  return text.isNull() ? std::string(source) : text.toStdString();
}

}  // namespace

UiLanguage LanguageFromLocale() {
  const QStringList languages = QLocale::system().uiLanguages();
  if (!languages.isEmpty() && languages.first().startsWith(QLatin1String("ja")))
    return UiLanguage::Japanese;
  return UiLanguage::English;
}

std::optional<UiLanguage> LanguageFromCode(std::string_view code) {
  if (code == "ja") return UiLanguage::Japanese;
  if (code == "en") return UiLanguage::English;
  return std::nullopt;
}

std::string_view LanguageCode(UiLanguage language) {
  return language == UiLanguage::Japanese ? "ja" : "en";
}

void InstallUiLanguage(UiLanguage language) {
  if (language == UiLanguage::Japanese) {
    (void)ProgramTranslator().load(QString::fromLatin1(kJapaneseTexts));
    (void)QtTranslator().load(QStringLiteral("qtbase_ja"),
                              QLibraryInfo::path(QLibraryInfo::TranslationsPath));
  } else {
    // The source texts are English: empty translators leave them.
    (void)ProgramTranslator().load(QString());
    (void)QtTranslator().load(QString());
  }
  InstallTextTranslator(TranslateWithProgramTranslator, language);
  InstallEngineTextTranslator(TranslateText);
  InstallUiLanguageIntoApplication();
}

void InstallUiLanguageIntoApplication() {
  if (QCoreApplication::instance() == nullptr) return;
  QCoreApplication::removeTranslator(&ProgramTranslator());
  QCoreApplication::removeTranslator(&QtTranslator());
  if (TextLanguage() != UiLanguage::Japanese) return;
  QCoreApplication::installTranslator(&QtTranslator());
  QCoreApplication::installTranslator(&ProgramTranslator());
}

QString TextInLanguage(UiLanguage language, const char* context, const char* source) {
  if (language == UiLanguage::English) return QString::fromUtf8(source);
  static QTranslator* const japanese = [] {
    auto* translator = new QTranslator;
    (void)translator->load(QString::fromLatin1(kJapaneseTexts));
    return translator;
  }();
  const QString text = japanese->translate(context, source);
  return text.isNull() ? QString::fromUtf8(source) : text;
}
