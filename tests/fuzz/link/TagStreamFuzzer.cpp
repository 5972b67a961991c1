// Arbitrary tag map streams into the decoder in both forms, and into the
// collectors that gather streams from block replies. A full-form stream that
// decodes must build again into the same bytes (the word size byte aside).
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <string>
#include <vector>

#include "link/MuxPlcAttrCollector.h"
#include "link/TagMapStream.h"
#include "link/TagStreamCollector.h"
#include "project/TOvProject.h"

namespace {

// Stands in for the PLC driver: no text for a map string starting with 0xEE.
std::string AddressTextOf(const orvane::TOvTag& tag) {
  if (tag.MapLength() == 0 || tag.MapString()[0] == 0xEE) {
    return {};
  }
  return std::string(reinterpret_cast<const char*>(tag.MapString()), tag.MapLength()) + "@";
}

orvane::TOvTagTable MergedList(orvane::TOvProject& project) {
  orvane::TOvTagTable merged;
  for (unsigned char n = 0; n < 5; ++n) {
    orvane::TOvTag tag(&project);
    const unsigned char map[PLC_MAP_STRING_CAPACITY] = {static_cast<unsigned char>(0xEB + n), n, n};
    tag.SetMapString(map, sizeof map);
    tag.addressText = "entry";
    merged.push_back(tag);
  }
  return merged;
}

void Collect(std::span<const uint8_t> stream) {
  orvane::TagStreamCollector tags(orvane::kPanelTagListLimit);
  orvane::MuxPlcAttrCollector attributes;
  // Blocks of 50 bytes, the last one flagged.
  for (size_t at = 0; at <= stream.size(); at += 50) {
    const std::span<const uint8_t> block =
        stream.subspan(at, std::min<size_t>(50, stream.size() - at));
    const bool last = at + 50 > stream.size();
    tags.Add(block, last);
    attributes.Add(block, last);
  }
  volatile size_t sink = tags.Count() + tags.Stream().size() + attributes.Block().size();
  (void)sink;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) {
    return 0;
  }
  static orvane::TOvProject project;
  static const orvane::TOvTagTable merged = [] {
    project.plc.mapLength = 3;
    return MergedList(project);
  }();
  const bool indexForm = (data[0] & 1) != 0;
  // An exact-size copy, so a read past the stream is caught.
  const std::vector<uint8_t> stream(data + 1, data + size);
  Collect(stream);

  // The full form decodes with the stream's own address length, as a read
  // sets it; the merged list keeps its three bytes.
  orvane::TOvProject target;
  target.plc.mapLength = stream.size() >= 3 ? stream[2] : 3;
  orvane::TOvTagTable out;
  const orvane::TagStreamDecodeError error = orvane::DecodeTagMapStream(
      stream, indexForm ? orvane::TagMapForm::Index : orvane::TagMapForm::Full, merged,
      AddressTextOf, indexForm ? project : target, out);
  if (error != orvane::TagStreamDecodeError::None || indexForm) {
    return 0;
  }
  const orvane::EncodedStream again = orvane::BuildTagMapStream(out, target.plc.mapLength);
  const size_t entrySize = orvane::kTagEntryPrefixSize + stream[2];
  if (!again.Ok() && stream[2] != 0) {
    std::abort();
  }
  for (size_t i = 0; i < again.bytes.size(); ++i) {
    const bool wordSize =
        i >= orvane::kTagStreamHeaderSize && (i - orvane::kTagStreamHeaderSize) % entrySize == 2;
    if (!wordSize && again.bytes[i] != stream[i]) {
      std::abort();
    }
  }
  return 0;
}
