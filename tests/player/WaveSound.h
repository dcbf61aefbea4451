#pragma once

// A short tone as the bytes of a WAV file (16-bit mono PCM), for tests that really play.

#include <cmath>
#include <cstdint>
#include <string>

namespace quavlet::test {

inline std::string ToneWave(unsigned milliseconds, unsigned sampleRate = 22050) {
  const uint32_t samples = sampleRate * milliseconds / 1000;
  const uint32_t dataBytes = samples * 2;
  std::string bytes;
  auto put32 = [&](uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8) bytes += static_cast<char>((value >> shift) & 0xFF);
  };
  auto put16 = [&](uint16_t value) {
    bytes += static_cast<char>(value & 0xFF);
    bytes += static_cast<char>(value >> 8);
  };
  bytes += "RIFF";
  put32(36 + dataBytes);
  bytes += "WAVEfmt ";
  put32(16);
  put16(1);  // PCM
  put16(1);  // mono
  put32(sampleRate);
  put32(sampleRate * 2);
  put16(2);
  put16(16);
  bytes += "data";
  put32(dataBytes);
  for (uint32_t i = 0; i < samples; ++i) {
    const double wave = std::sin(2 * 3.14159265358979 * 440.0 * i / sampleRate);
    put16(static_cast<uint16_t>(static_cast<int16_t>(wave * 8000)));
  }
  return bytes;
}

}  // namespace quavlet::test
