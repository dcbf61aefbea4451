#include "tools/skin-atlas/PngFile.h"

#include <windows.h>
#include <wincodec.h>
#include <wrl/client.h>

#include <algorithm>

namespace quavlet::tools {
namespace {

using Microsoft::WRL::ComPtr;

// The encoder's steps in order; the first failure ends the write.
HRESULT Encode(const std::filesystem::path& path, const RgbImage& image) {
  ComPtr<IWICImagingFactory> factory;
  HRESULT result = CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                    IID_PPV_ARGS(&factory));
  ComPtr<IWICStream> stream;
  if (SUCCEEDED(result)) result = factory->CreateStream(&stream);
  if (SUCCEEDED(result)) result = stream->InitializeFromFilename(path.c_str(), GENERIC_WRITE);
  ComPtr<IWICBitmapEncoder> encoder;
  if (SUCCEEDED(result)) result = factory->CreateEncoder(GUID_ContainerFormatPng, nullptr, &encoder);
  if (SUCCEEDED(result)) result = encoder->Initialize(stream.Get(), WICBitmapEncoderNoCache);
  ComPtr<IWICBitmapFrameEncode> frame;
  if (SUCCEEDED(result)) result = encoder->CreateNewFrame(&frame, nullptr);
  if (SUCCEEDED(result)) result = frame->Initialize(nullptr);
  if (SUCCEEDED(result)) result = frame->SetSize(static_cast<UINT>(image.width), static_cast<UINT>(image.height));
  WICPixelFormatGUID format = GUID_WICPixelFormat24bppBGR;
  if (SUCCEEDED(result)) result = frame->SetPixelFormat(&format);
  // The encoder may only offer a format near the one asked for; the rows would then be misread.
  if (SUCCEEDED(result) && format != GUID_WICPixelFormat24bppBGR) result = WINCODEC_ERR_UNSUPPORTEDPIXELFORMAT;
  const UINT stride = static_cast<UINT>(image.width) * 3;
  if (SUCCEEDED(result)) {
    result = frame->WritePixels(static_cast<UINT>(image.height), stride, static_cast<UINT>(image.bgr.size()),
                                const_cast<BYTE*>(image.bgr.data()));
  }
  if (SUCCEEDED(result)) result = frame->Commit();
  if (SUCCEEDED(result)) result = encoder->Commit();
  return result;
}

}  // namespace

RgbImage::RgbImage(int imageWidth, int imageHeight, std::uint32_t fill)
    : width(imageWidth), height(imageHeight), bgr(static_cast<std::size_t>(imageWidth) * imageHeight * 3) {
  Fill(0, 0, width, height, fill);
}

void RgbImage::Fill(int x, int y, int boxWidth, int boxHeight, std::uint32_t colour) {
  for (int row = std::max(0, y); row < std::min(height, y + boxHeight); ++row) {
    for (int column = std::max(0, x); column < std::min(width, x + boxWidth); ++column) {
      const std::size_t at = (static_cast<std::size_t>(row) * width + column) * 3;
      bgr[at] = static_cast<std::uint8_t>(colour);
      bgr[at + 1] = static_cast<std::uint8_t>(colour >> 8);
      bgr[at + 2] = static_cast<std::uint8_t>(colour >> 16);
    }
  }
}

bool WritePng(const std::filesystem::path& path, const RgbImage& image) {
  return SUCCEEDED(Encode(path, image));
}

}  // namespace quavlet::tools
