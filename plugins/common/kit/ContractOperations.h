// The work behind each export of the plug-in contract, for the driver that
// ThisDriver() describes. The exports themselves (ContractExports.cpp) only
// forward here, so a plug-in never calls its own exported names.
#pragma once

#include <cstdint>
#include <string>

#include "plchost/PlcContract.h"
#include "plugins/common/kit/DriverDefinition.h"

namespace orvane::plugin {

/// Maker, blank, model, blank, protocol and revision suffix.
std::string BuildDriverName(const DriverIdentity& identity);

bool ValidateAddress(PlcAddress* out, const AddressRequest& request);
/// The same with the message switch off for the call.
bool ValidateAddressSilently(PlcAddress* out, const AddressRequest& request);

/// Writes the canonical text into text (PLC_ADDRESS_TEXT_CAPACITY bytes).
bool RebuildAddress(PlcAddress* address, char* text);
bool RebuildAddressSilently(PlcAddress* address, char* text);

int CompareAddresses(const unsigned char* a, const unsigned char* b);

void FillDetails(const char* name, PlcDetailsInfo* out);

bool CreateDefaultAttributes(const char* path);
bool AttributesExist(const char* path);
bool AttributesMatch(const char* path);

/// The attribute dialog life cycle (AttributeDialogLaunch.cpp).
bool LaunchAttributeDialog(const char* path);

}  // namespace orvane::plugin
