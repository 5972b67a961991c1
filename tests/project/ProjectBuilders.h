// Small builders for project model tests.
#pragma once

#include <string>
#include <vector>

#include "project/TOvProject.h"

namespace orvane::testing {

/// Map strings of the test projects are three bytes long.
inline constexpr int32_t kTestMapLength = 3;

/// A project with the test map length and, unless model is 0, one panel of
/// that model on port 1.
TOvProject MakeProject(int32_t model = kModelOv200);

/// Gives tag an address text and a map string (tag must belong to a
/// project for the map string to be kept).
void SetAddress(TOvTag& tag, const std::string& text, std::vector<unsigned char> map = {1, 2, 3},
                uint32_t dataType = kDataTypeBinary16);

/// Sets every system address of the panel (key/LED words, annunciator,
/// line registers, password), each named after its place: "led",
/// "button", "annunciator", "line1".."line4", "password".
void SetEveryAddress(TOvPanel& panel);

/// A message text with marker bytes: '1', '2', '3' in pattern become the
/// markers of items 1, 2 and 3.
std::string WithMarkers(std::string pattern);

/// Every address object a panel holds, visited or not.
std::vector<const TOvTag*> AllAddresses(const TOvPanel& panel);

/// Expects every panel, message and address of the project to point at
/// their true owners.
void ExpectOwnedBy(const TOvProject& project);

}  // namespace orvane::testing
