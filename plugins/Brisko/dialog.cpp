// The "Allen Bradley SLC 500 Attributes" dialog.
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>

#include "plugins/Brisko/Brisko.h"
#include "plugins/common/kit/AttributeDialogBase.h"
#include "plugins/common/kit/QtCombo.h"

namespace orvane::brisko {
namespace {

class AttributeDialog final : public plugin::AttributeDialogBase {
 public:
  AttributeDialog(CCorvel& corvel, const std::string& path, QWidget* parent)
      : AttributeDialogBase(corvel, Identity(), QStringLiteral("Allen Bradley SLC 500 Attributes"),
                            path, parent) {
    baudRate_ = AddList("baudRate", tr("Baud Rate"));
    parity_ = AddList("parity", tr("Parity"));
    stopBits_ = AddList("stopBits", tr("Stop Bits"));
    checksum_ = AddList("checksumType", tr("Checksum Type"));
    rs485_ = AddList("selectRs485", tr("Select RS485"));
    // The panel drives RTS itself on this link; the two lists stay for the
    // stored values but are not offered.
    controlRts_ = AddList("controlRts", tr("Control RTS"));
    requireCts_ = AddList("requireCts", tr("Require CTS"));
    HideRow(controlRts_);
    HideRow(requireCts_);
    defaultPlcAddress_ = AddNumber("defaultPlcAddress", tr("Default PLC Address"), 0, 31, "0-31");
    stationNumber_ = AddNumber("stationNumber", tr("Station Number"), 0, 31, "0-31");
    timeOut_ = AddNumber("timeOutTime", tr("Time Out Time"), 1, 255, "1-255 (x 0.1 sec)");
    pollTime_ = AddNumber("pollTime", tr("Poll Time"), 0, 255, "1-255 (x 0.1 sec)");

    const std::optional<std::vector<unsigned char>> bytes = ReadFile(kAttributeFileLength);
    attributes_ = bytes ? DecodeAttributes(Corvel(), *bytes) : DefaultAttributes();
    ShowAttributes();
  }

 private:
  // A stored value other than 0 and 1 shows "No", as another parity shows
  // "None": the list always shows a choice it can store.
  static void FillYesNo(QComboBox* list, int selected) {
    list->addItems({QStringLiteral("No"), QStringLiteral("Yes")});
    list->setCurrentIndex(selected == 1 ? 1 : 0);
  }

  void ShowAttributes() {
    plugin::QtCombo baud(*baudRate_);
    Corvel().InsertAndSelectBaudrateinCombo(baud, attributes_.baudRate);
    Corvel().RemoveUnwantedBaudRates(baud);
    // Odd parity is not offered; a stored odd parity shows as none.
    parity_->addItems({QStringLiteral("None"), QStringLiteral("Even")});
    parity_->setCurrentIndex(attributes_.parity == PARITY_EVEN ? 1 : 0);
    stopBits_->addItems({QStringLiteral("One"), QStringLiteral("Two")});
    stopBits_->setCurrentIndex(attributes_.stopBits);
    checksum_->addItems({QStringLiteral("BCC"), QStringLiteral("CRC")});
    checksum_->setCurrentIndex(attributes_.checksum);
    FillYesNo(rs485_, attributes_.link);
    FillYesNo(controlRts_, attributes_.controlRts);
    FillYesNo(requireCts_, attributes_.requireCts);
    defaultPlcAddress_->setText(QString::number(attributes_.defaultPlcAddress));
    stationNumber_->setText(QString::number(attributes_.stationNumber));
    timeOut_->setText(QString::number(attributes_.timeOut));
    pollTime_->setText(QString::number(attributes_.pollTime));
  }

  bool SaveFields() override {
    plugin::QtCombo baud(*baudRate_);
    attributes_.baudRate = Corvel().GetBaudrateFromCombo(baud);
    attributes_.parity = parity_->currentIndex() == 1 ? PARITY_EVEN : PARITY_NONE;
    attributes_.stopBits = static_cast<STOP_ENUM>(stopBits_->currentIndex());
    attributes_.checksum = static_cast<PLCCHECKSUM_TYPE>(checksum_->currentIndex());
    const int link = rs485_->currentIndex();
    attributes_.link = static_cast<RS232_422_485>(link);
    // RTS control would only be needed on a link this dialog cannot select.
    attributes_.controlRts = link != 0 && link != 1 ? CONTROL_RTS_YES : CONTROL_RTS_NO;
    attributes_.requireCts = REQUIRE_CTS_NO;
    attributes_.dataBits = DATA_EIGHT;
    attributes_.defaultPlcAddress = static_cast<unsigned char>(NumberValue(defaultPlcAddress_));
    attributes_.stationNumber = static_cast<unsigned char>(NumberValue(stationNumber_));
    attributes_.timeOut = static_cast<unsigned char>(NumberValue(timeOut_));
    attributes_.pollTime = static_cast<unsigned char>(NumberValue(pollTime_));
    return WriteFile(EncodeAttributes(Corvel(), attributes_));
  }

  PlcAttributes attributes_;
  QComboBox* baudRate_ = nullptr;
  QComboBox* parity_ = nullptr;
  QComboBox* stopBits_ = nullptr;
  QComboBox* checksum_ = nullptr;
  QComboBox* rs485_ = nullptr;
  QComboBox* controlRts_ = nullptr;
  QComboBox* requireCts_ = nullptr;
  QLineEdit* defaultPlcAddress_ = nullptr;
  QLineEdit* stationNumber_ = nullptr;
  QLineEdit* timeOut_ = nullptr;
  QLineEdit* pollTime_ = nullptr;
};

}  // namespace

void RunAttributeDialog(CCorvel& corvel, const std::string& path) {
  AttributeDialog dialog(corvel, path, QApplication::activeWindow());
  dialog.exec();
}

}  // namespace orvane::brisko
