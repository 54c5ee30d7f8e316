#include "ExportOptionsDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>

#include "PrintJob.h"

namespace {

QComboBox* Combo(QWidget* parent, const char* objectName,
                 const std::vector<std::pair<QString, int>>& items, int current) {
  auto* combo = new QComboBox(parent);
  combo->setObjectName(QString::fromLatin1(objectName));
  for (const auto& [text, value] : items) combo->addItem(text, value);
  combo->setCurrentIndex(std::max(0, combo->findData(current)));
  return combo;
}

class OptionsView : public QDialog {
  Q_DECLARE_TR_FUNCTIONS(ExportOptionsDialog)

 public:
  OptionsView(QWidget* parent, const ExportChoice& choice) : QDialog(parent), choice_(choice) {
    setWindowTitle(tr("Export to PDF/SVG/PNG"));
    auto* form = new QFormLayout(this);
    std::vector<std::pair<QString, int>> papers;
    for (const PaperName& p : ExportPapers()) {
      papers.push_back({QString::fromLatin1(p.name.data(), qsizetype(p.name.size())), p.code});
    }
    paper_ = Combo(this, "cboPaper", papers, choice_.Paper());
    orientation_ =
        Combo(this, "cboOrientation", {{tr("Portrait"), kPortrait}, {tr("Landscape"), kLandscape}},
              choice_.Orientation());
    pages_ = Combo(this, "cboPages",
                   {{tr("1 sheet (dial and gnomon)"), 1}, {tr("2 sheets (dial / gnomon)"), 2}},
                   choice_.PageCount());
    page_ = Combo(this, "cboPage",
                  {{tr("All (one file per page)"), 0}, {tr("Page 1"), 1}, {tr("Page 2"), 2}},
                  choice_.Page());
    dpi_ = new QSpinBox(this);
    dpi_->setObjectName(QStringLiteral("spnDpi"));
    dpi_->setRange(int(kExportMinDpi), int(kExportMaxDpi));
    dpi_->setSuffix(QStringLiteral(" dpi"));
    dpi_->setValue(int(choice_.Dpi()));
    tiles_ = new QCheckBox(tr("&Tiles: the face's size on several sheets"), this);
    tiles_->setObjectName(QStringLiteral("chkTiles"));
    tiles_->setChecked(choice_.Tiles());
    tiles_->setEnabled(choice_.TilesApply());
    problem_ = new QLabel(this);
    buttons_ = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    form->addRow(tr("&Paper:"), paper_);
    form->addRow(tr("&Orientation:"), orientation_);
    form->addRow(tr("&Sheets:"), pages_);
    form->addRow(tr("Pa&ge:"), page_);
    form->addRow(tr("&Resolution:"), dpi_);
    form->addRow(tiles_);
    form->addRow(problem_);
    form->addRow(buttons_);
    connect(buttons_, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);
    for (QComboBox* combo : {paper_, orientation_, pages_, page_}) {
      connect(combo, &QComboBox::currentIndexChanged, this, [this] { Update(); });
    }
    connect(dpi_, &QSpinBox::valueChanged, this, [this] { Update(); });
    connect(tiles_, &QCheckBox::toggled, this, [this] { Update(); });
    Update();
  }

  const ExportChoice& Choice() const { return choice_; }

 private:
  // The controls into the choice, and the choice's rules back onto them.
  void Update() {
    choice_.setPaper(static_cast<int16_t>(paper_->currentData().toInt()));
    choice_.setOrientation(static_cast<int16_t>(orientation_->currentData().toInt()));
    choice_.setPageCount(static_cast<int16_t>(pages_->currentData().toInt()));
    choice_.setPage(static_cast<int16_t>(page_->currentData().toInt()));
    choice_.setDpi(dpi_->value());
    choice_.setTiles(tiles_->isChecked());
    page_->setEnabled(choice_.PageApplies());
    dpi_->setEnabled(choice_.DpiApplies());
    const std::string problem = choice_.Problem();
    problem_->setText(QString::fromStdString(problem));
    problem_->setVisible(!problem.empty());
    buttons_->button(QDialogButtonBox::Ok)->setEnabled(problem.empty());
  }

  ExportChoice choice_;
  QComboBox* paper_;
  QComboBox* orientation_;
  QComboBox* pages_;
  QComboBox* page_;
  QSpinBox* dpi_;
  QCheckBox* tiles_;
  QLabel* problem_;
  QDialogButtonBox* buttons_;
};

}  // namespace

bool ShowExportOptionsDialog(QWidget* parent, ExportChoice& choice) {
  OptionsView view(parent, choice);
  if (view.exec() != QDialog::Accepted) return false;
  choice = view.Choice();
  return true;
}
