// Arbitrary frames into the response factory, every field of the reply read.
// Message replies are also decoded for a project's text panel or set point
// panel, and system attribute replies applied to a panel.
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "link/ResponseFactory.h"
#include "link/SystemAttributeRecord.h"
#include "project/TOvProject.h"
#include "tests/fuzz/link/ReplyInspection.h"

namespace {

orvane::TOvProject MakeProject(int32_t model) {
  orvane::TOvProject project;
  project.plc.mapLength = 4;
  project.PutPanel(orvane::TOvPanel(&project, model));
  return project;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) {
    return 0;
  }
  static orvane::TOvProject textProject = MakeProject(orvane::kModelOv200P);
  static orvane::TOvProject setPointProject = MakeProject(orvane::kModelOvSP);
  // The first byte picks the link error, the system mode (bit 0) and
  // whether replies are made for a project (bit 1) with a set point panel
  // (bit 2) or a text panel.
  const uint8_t selector = data[0];
  orvane::ResponseContext context{selector & 1};
  if ((selector & 2) != 0) {
    context.project = (selector & 4) != 0 ? &setPointProject : &textProject;
    context.project->systemMode = selector & 1;
  }
  // An exact-size copy, so a read past the frame is caught.
  const std::vector<uint8_t> frame(data + 1, data + size);
  const auto reply = orvane::MakeResponse(frame, selector, context);
  volatile size_t sink = orvane::fuzzing::Inspect(reply.get());
  if (const auto* attributes = dynamic_cast<const orvane::TOvSysAttrResp*>(reply.get())) {
    orvane::TOvPanel panel(nullptr, orvane::kModelOv400);
    orvane::ApplySystemAttributes(*attributes, panel);
    sink = sink + static_cast<size_t>(panel.firstMessageNumber) + panel.keysLeds.ledMode[4];
  }
  (void)sink;
  return 0;
}
