#include "AboutBox.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

#include "HelpWindow.h"
#include "PopHints.h"
#include "UiIcons.h"
#include "UiServices.h"
#include "Version.h"

namespace {

QString Tr(const char* text) {
  return QCoreApplication::translate("frmAbout", text);
}

QLabel* TextLabel(const QString& text, const char* name) {
  auto* label = new QLabel(text);
  label->setObjectName(QLatin1String(name));
  label->setWordWrap(true);
  label->setTextInteractionFlags(Qt::TextBrowserInteraction);
  return label;
}

QString CreditsHtml() {
  return Tr(
      "<p>このプログラムはフリーソフトウェアです。GNU General Public License バージョン3"
      "またはそれ以降 (GPL-3.0-or-later) の条件で再配布・改変できます。無保証です。</p>"
      "<p>地域データ: <a href=\"https://www.geonames.org/\">GeoNames</a> "
      "(CC BY 4.0)、Unicode CLDR (Unicode License)、IANA タイムゾーン データベース、"
      "iso-codes、PROJ をもとに作成しています。</p>"
      "<p>Qt 6 (LGPL v3)、libxlsxwriter (BSD 2-Clause) を使用しています。"
      "詳しくは<a href=\"help:credits\">データの出典とライセンス</a>をご覧ください。</p>");
}

}  // namespace

QString AboutVersionText() {
  const QString minor = QStringLiteral("%1").arg(kVersionMinor, 2, 10, QLatin1Char('0'));
  return QStringLiteral("Version %1.%2").arg(kVersionMajor).arg(minor);
}

void ShowAboutBox(QWidget* parent) {
  AboutBox box(parent);
  box.exec();
}

AboutBox::AboutBox(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("frmAbout"));
  setWindowTitle(Tr("バージョン情報"));

  auto* icon = new QLabel;
  icon->setObjectName(QStringLiteral("picIcon"));
  icon->setPixmap(UiIcon(QStringLiteral("umbrafex")).pixmap(64, 64));
  icon->setAlignment(Qt::AlignTop);

  auto* product = TextLabel(QStringLiteral("<b style=\"font-size:x-large\">%1</b><br>%1 %2")
                                .arg(QLatin1String(kProductName), AboutVersionText()),
                            "lblProduct");
  auto* summary =
      TextLabel(Tr("水平型日時計を設計し、紙の模型として印刷するプログラムです。"), "lblSummary");
  auto* credits = TextLabel(CreditsHtml(), "lblCredits");
  credits->setOpenExternalLinks(false);
  connect(credits, &QLabel::linkActivated, this, [this](const QString& link) {
    if (link.startsWith(QLatin1String("help:")))
      ShowHelpTopic(this, link.mid(5));
    else
      Desktop().OpenUrl(QUrl(link));
  });

  auto* text = new QVBoxLayout;
  text->addWidget(product);
  text->addWidget(summary);
  text->addWidget(credits);
  auto* body = new QHBoxLayout;
  body->addWidget(icon);
  body->addLayout(text, 1);
  body->setSpacing(16);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
  buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("cmdOk"));
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  // The selectable texts would otherwise take the first focus.
  buttons->button(QDialogButtonBox::Ok)->setFocus();

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(body);
  layout->addWidget(buttons);
  setFixedWidth(500);
  ApplyPopHints(this);
}
