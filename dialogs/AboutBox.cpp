#include "AboutBox.h"

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

QLabel* TextLabel(const QString& text, const char* name) {
  auto* label = new QLabel(text);
  label->setObjectName(QLatin1String(name));
  label->setWordWrap(true);
  label->setTextInteractionFlags(Qt::TextBrowserInteraction);
  return label;
}

QString CreditsHtml() {
  return AboutBox::tr(
      "<p>This program is free software: you may redistribute and modify it under the GNU "
      "General Public License, version 3 or later (GPL-3.0-or-later). It comes with no "
      "warranty.</p>"
      "<p>Place data: built from <a href=\"https://www.geonames.org/\">GeoNames</a> "
      "(CC BY 4.0), Unicode CLDR (Unicode License), the IANA time zone database, "
      "iso-codes and PROJ.</p>"
      "<p>Uses Qt 6 (LGPL v3) and libxlsxwriter (BSD 2-Clause). "
      "See <a href=\"help:credits\">Data Sources and Licenses</a> for details.</p>");
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
  setWindowTitle(tr("About Umbrafex"));

  auto* icon = new QLabel;
  icon->setObjectName(QStringLiteral("picIcon"));
  icon->setPixmap(UiIcon(QStringLiteral("umbrafex")).pixmap(64, 64));
  icon->setAlignment(Qt::AlignTop);

  auto* product = TextLabel(QStringLiteral("<b style=\"font-size:x-large\">%1</b><br>%1 %2")
                                .arg(QLatin1String(kProductName), AboutVersionText()),
                            "lblProduct");
  auto* summary =
      TextLabel(tr("Designs horizontal sundials and prints them as paper models."), "lblSummary");
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
