// The Allen-Bradley DF1 address grammar, parameterised by a dialect: the
// validation, rebuild and order that the SLC 500 and MicroLogix drivers
// share.
#pragma once

#include <string>

#include "plugins/common/df1/Df1Address.h"
#include "plugins/common/df1/Df1Dialect.h"
#include "plugins/common/kit/DriverDefinition.h"
#include "plugins/common/kit/StationPrefix.h"

namespace orvane::df1 {

/// The 7-byte map string of every DF1 driver: bit at 6, word at 4, type at
/// 1.
inline constexpr plugin::MapDetails kMapDetails{.length = kMapLength,
                                                .bitOffset = 6,
                                                .wordOffset = 4,
                                                .characteristicC = 2,
                                                .typeOffset = 1,
                                                .characteristicE = 1,
                                                .characteristicF = 1,
                                                .characteristicG = 1};

/// The station prefix of the dialects that have one: 0..31, at most two
/// characters.
const plugin::StationRule& StationRule();

class Df1Grammar final : public plugin::AddressGrammar {
 public:
  /// dialect must outlive the grammar.
  explicit Df1Grammar(const Df1Dialect& dialect) : dialect_(dialect) {}

  bool Validate(CCorvel& corvel, const plugin::AddressRequest& request,
                PlcAddress& out) const override;
  bool Rebuild(CCorvel& corvel, PlcAddress& address, std::string& text) const override;
  int Compare(const unsigned char* a, const unsigned char* b) const override;

  /// Parses and checks text; on failure the message is shown and false
  /// returned. Does not allocate.
  bool Parse(CCorvel& corvel, const std::string& text, Df1Address& address) const;
  /// The canonical text of a map string's fields; also settles is bit.
  bool Format(CCorvel& corvel, Df1Address& address, std::string& text) const;

 private:
  const Df1Dialect& dialect_;
};

}  // namespace orvane::df1
