#include "corvel/Corvel.h"

#include "base/StringTable.h"
#include "corvel/MessageSink.h"

CCorvelCombo::~CCorvelCombo() = default;

CCorvel::CCorvel() : m_nAppType(0), m_bDisplayMessages(true) {}

CCorvel::CCorvel(const CCorvel& other)
    : m_nAppType(other.m_nAppType), m_bDisplayMessages(other.m_bDisplayMessages) {}

CCorvel& CCorvel::operator=(const CCorvel& other) {
  m_nAppType = other.m_nAppType;
  m_bDisplayMessages = other.m_bDisplayMessages;
  return *this;
}

CCorvel::~CCorvel() = default;

int CCorvel::OvAfxMessageBox(const char* text, unsigned style, unsigned helpId) {
  if (!m_bDisplayMessages) {
    return CORVEL_IDOK;
  }
  return corvel::DeliverMessage(text, style, helpId);
}

int CCorvel::OvAfxMessageBox(unsigned stringId, unsigned style, unsigned helpId) {
  if (!m_bDisplayMessages) {
    return CORVEL_IDOK;
  }
  return corvel::DeliverMessage(orvane::LoadString(static_cast<int>(stringId)), style, helpId);
}

int CCorvel::DisplayDLLErrorStrings(int code) {
  const char* text = nullptr;
  switch (code) {
    case 1:
      text = "Error T02_1:  Invalid Unit Number.";
      break;
    case 2:
      text = "Error T02_2:  Invalid Address Type.";
      break;
    case 4:
      text = "Error T02_4:  Invalid Bit Number.";
      break;
    case 5:
      text = "Error T02_7:  Address type does not match Tag data type, or the address is invalid.";
      break;
    case 6:
      text = "Error T02_5:  Address is not Word Aligned (Even address is required).";
      break;
    case 7:
      text = "Error T02_6:  Address is not Word Aligned (Odd address is required).";
      break;
    default:
      text = "Error T02_3:  Invalid Address.";
      break;
  }
  return OvAfxMessageBox(text, CORVEL_MB_ICON_EXCLAMATION, 0);
}
