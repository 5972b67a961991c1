#include "view/qt/CViewAddressDlg.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "base/Settings.h"
#include "view/AddressDatabaseReport.h"
#include "view/print/ReportPainter.h"
#include "view/qt/ListColumnWidths.h"

namespace orvane {
namespace {

QString Text(const std::string& text) {
  return QString::fromStdString(text);
}

// A caption in the given colour, bold.
QLabel* Caption(const QString& text, const QColor& colour, const char* name) {
  auto* label = new QLabel(text);
  label->setObjectName(QString::fromUtf8(name));
  label->setTextFormat(Qt::PlainText);
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, colour);
  label->setPalette(palette);
  QFont font = label->font();
  font.setBold(true);
  label->setFont(font);
  return label;
}

QLineEdit* ReadOnlyField(const QString& text, const QString& name) {
  auto* field = new QLineEdit(text);
  field->setObjectName(name);
  field->setReadOnly(true);
  field->setCursorPosition(0);
  return field;
}

}  // namespace

CViewAddressDlg::CViewAddressDlg(const TOvProject& project, Settings& settings, QWidget* parent)
    : QDialog(parent), database_(project), settings_(settings) {
  setObjectName(QStringLiteral("viewAddressDlg"));
  setWindowTitle(QStringLiteral("Panel PLC Address Database"));

  auto* captions = new QGridLayout;
  captions->addWidget(new QLabel(QStringLiteral("PLC:")), 0, 0);
  captions->addWidget(Caption(Text(database_.PlcName()), QColor(0, 0, 176), "plcName"), 0, 1);
  captions->addWidget(new QLabel(QStringLiteral("Project:")), 1, 0);
  captions->addWidget(Caption(Text(database_.ProjectName()), QColor(0, 112, 0), "projectName"), 1,
                      1);
  captions->setColumnStretch(1, 1);

  // The system addresses, two columns of labelled fields.
  auto* system = new QGroupBox(QStringLiteral("System addresses"));
  auto* grid = new QGridLayout(system);
  const std::vector<SystemAddressShown> fields = database_.SystemAddresses();
  const int half = static_cast<int>((fields.size() + 1) / 2);
  for (int i = 0; i < static_cast<int>(fields.size()); ++i) {
    const SystemAddressShown& field = fields[static_cast<size_t>(i)];
    auto* label = new QLabel(Text(field.label));
    auto* value = ReadOnlyField(Text(field.value), QStringLiteral("systemAddress%1").arg(i));
    label->setBuddy(value);
    label->setEnabled(field.enabled);
    value->setEnabled(field.enabled);
    const int row = i % half;
    const int column = (i / half) * 2;
    grid->addWidget(label, row, column);
    grid->addWidget(value, row, column + 1);
  }
  grid->setColumnStretch(1, 1);
  grid->setColumnStretch(3, 1);

  auto* countLabel = new QLabel(QStringLiteral("Number of messages:"));
  auto* count = ReadOnlyField(Text(database_.MessageCount()), QStringLiteral("ctl_1294"));
  count->setMaximumWidth(count->fontMetrics().averageCharWidth() * 8);
  countLabel->setBuddy(count);
  auto* countRow = new QHBoxLayout;
  countRow->addWidget(countLabel);
  countRow->addWidget(count);
  countRow->addStretch(1);

  const std::vector<std::string> headings = database_.Headings();
  const std::vector<AddressRow> rows = database_.Rows();
  list_ = new QTableWidget(static_cast<int>(rows.size()), static_cast<int>(headings.size()));
  list_->setObjectName(QStringLiteral("addressList"));
  QStringList titles;
  for (const std::string& heading : headings) {
    titles << Text(heading);
  }
  list_->setHorizontalHeaderLabels(titles);
  SetUpReportList(*list_);
  for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
    const AddressRow& row = rows[static_cast<size_t>(r)];
    const std::string* cells[] = {&row.item,     &row.address, &row.message,
                                  &row.function, &row.access,  &row.password};
    for (int c = 0; c < list_->columnCount(); ++c) {
      list_->setItem(r, c, new QTableWidgetItem(Text(*cells[c])));
    }
  }
  RestoreColumnWidths(*list_, settings_, kAddressListSection);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
  buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("okButton"));
  buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cancelButton"));
  QPushButton* print =
      buttons->addButton(QStringLiteral("&Print..."), QDialogButtonBox::ActionRole);
  print->setObjectName(QStringLiteral("printButton"));
  print->setAutoDefault(false);
  QPushButton* preview =
      buttons->addButton(QStringLiteral("Print Pre&view"), QDialogButtonBox::ActionRole);
  preview->setObjectName(QStringLiteral("previewButton"));
  preview->setAutoDefault(false);
  connect(print, &QPushButton::clicked, this, &CViewAddressDlg::Print);
  connect(preview, &QPushButton::clicked, this, &CViewAddressDlg::Preview);
  connect(buttons, &QDialogButtonBox::accepted, this, &CViewAddressDlg::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(captions);
  layout->addWidget(system);
  layout->addLayout(countRow);
  layout->addWidget(list_, 1);
  layout->addWidget(buttons);
  resize(820, 580);
}

void CViewAddressDlg::accept() {
  StoreColumnWidths(*list_, settings_, kAddressListSection);
  QDialog::accept();
}

bool CViewAddressDlg::PrintOn(QPrinter& printer) const {
  const std::vector<ReportPage> pages = LayOutAddressDatabase(
      database_, PaperOf(printer, printer.colorMode() == QPrinter::Color), MeasureOn(printer));
  if (printer.printRange() == QPrinter::PageRange) {
    return PaintPages(pages, printer, printer.fromPage(), printer.toPage());
  }
  return PaintPages(pages, printer);
}

bool CViewAddressDlg::Print() {
  QPrinter printer(QPrinter::HighResolution);
  printer.setDocName(windowTitle());
  QPrintDialog dialog(&printer, this);
  dialog.setObjectName(QStringLiteral("printDialog"));
  if (dialog.exec() != QDialog::Accepted) {
    return false;
  }
  return PrintOn(printer);
}

void CViewAddressDlg::Preview() {
  QPrinter printer(QPrinter::HighResolution);
  printer.setDocName(windowTitle());
  QPrintPreviewDialog dialog(&printer, this);
  dialog.setObjectName(QStringLiteral("printPreview"));
  dialog.resize(800, 900);
  connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
          [this](QPrinter* target) { PrintOn(*target); });
  dialog.exec();
}

}  // namespace orvane
