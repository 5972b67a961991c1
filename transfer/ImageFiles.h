// Opening the driver and firmware image files the sequences download.
#pragma once

#include <cstdint>
#include <fstream>
#include <string>

namespace orvane {

/// Opens path as text for reading. false with the platform's message for
/// the failure in error (at most 1024 characters), for example "No such
/// file or directory".
bool OpenImageFile(const std::string& path, std::ifstream& file, std::string& error);

}  // namespace orvane
