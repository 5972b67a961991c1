// The codes a transfer reports through its job: which long operation runs,
// and which step of a write or read has begun or ended. Owners map the
// stage codes to their check list (the progress dialog, orvane-cli).
#pragma once

#include <cstdint>

namespace orvane {

/// The long operations a worker runs (TransferJob::Operation).
namespace operations {
inline constexpr int32_t kWriteProject = 0;
inline constexpr int32_t kReadProject = 1;
inline constexpr int32_t kPanelFirmware = 2;
inline constexpr int32_t kMuxFirmware = 3;
}  // namespace operations

/// Transfer stage codes. One panel write runs 1, 2, 11, 12, 7, 8, 3, 4, 9,
/// 10, 5, 6, 18 and a whole write ends with 19; one panel read runs 13, 14,
/// 17 (once per message request), 12, 21, 8, 15, 16, 18 and a whole read
/// ends with 20.
namespace stages {
inline constexpr int32_t kClearingMemory = 1;
inline constexpr int32_t kMemoryCleared = 2;
inline constexpr int32_t kWritingSystemAttributes = 3;
inline constexpr int32_t kSystemAttributesWritten = 4;
/// Also: reading the multiplexer's PLC attributes begins.
inline constexpr int32_t kWritingPlcAttributes = 5;
/// Also: the multiplexer's PLC attributes read.
inline constexpr int32_t kPlcAttributesWritten = 6;
inline constexpr int32_t kWritingMapData = 7;
/// Map data written, or tags read.
inline constexpr int32_t kMapDataDone = 8;
inline constexpr int32_t kDownloadingDriver = 9;
inline constexpr int32_t kDriverDownloaded = 10;
inline constexpr int32_t kWritingMessages = 11;
/// Messages written, or messages read.
inline constexpr int32_t kMessagesDone = 12;
inline constexpr int32_t kReadingSystemAttributes = 13;
inline constexpr int32_t kReadingMessages = 14;
inline constexpr int32_t kReadingPlcAttributes = 15;
inline constexpr int32_t kPlcAttributesRead = 16;
/// A "Reading message %d..." text is in the job.
inline constexpr int32_t kReadingMessageText = 17;
/// One panel (or the multiplexer) completely written or read.
inline constexpr int32_t kPanelDone = 18;
inline constexpr int32_t kWriteFinished = 19;
inline constexpr int32_t kReadFinished = 20;
inline constexpr int32_t kReadingTags = 21;
}  // namespace stages

}  // namespace orvane
