#include "Pixels.h"

#include <cstdio>
#include <cstring>

namespace {
// A top-down 32-bit DIB section selected into a memory DC.
class Canvas {
public:
  Canvas(int width, int height) : m_width(width), m_height(height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    m_dc = ::CreateCompatibleDC(nullptr);
    m_bitmap = ::CreateDIBSection(m_dc, &info, DIB_RGB_COLORS, &m_bits, nullptr, 0);
    m_old = ::SelectObject(m_dc, m_bitmap);
  }
  ~Canvas() {
    ::SelectObject(m_dc, m_old);
    ::DeleteObject(m_bitmap);
    ::DeleteDC(m_dc);
  }
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;

  HDC Dc() const { return m_dc; }
  Pixels Read() const {
    ::GdiFlush();
    Pixels pixels;
    pixels.width = m_width;
    pixels.height = m_height;
    pixels.data.resize(static_cast<size_t>(m_width) * m_height);
    const auto* bits = static_cast<const uint32_t*>(m_bits);
    for (size_t i = 0; i < pixels.data.size(); ++i) pixels.data[i] = bits[i] & 0x00FFFFFFu;
    return pixels;
  }

private:
  int m_width;
  int m_height;
  HDC m_dc = nullptr;
  HBITMAP m_bitmap = nullptr;
  HGDIOBJ m_old = nullptr;
  void* m_bits = nullptr;
};

void Fill(HDC dc, const RECT& rect, COLORREF colour) {
  HBRUSH brush = ::CreateSolidBrush(colour);
  ::FillRect(dc, &rect, brush);
  ::DeleteObject(brush);
}
}  // namespace

uint64_t Pixels::Hash() const {
  uint64_t hash = 1469598103934665603ull;
  auto mix = [&hash](uint64_t value) {
    hash ^= value;
    hash *= 1099511628211ull;
  };
  mix(static_cast<uint64_t>(width));
  mix(static_cast<uint64_t>(height));
  for (uint32_t pixel : data) mix(pixel);
  return hash;
}

Pixels Pixels::Crop(const RECT& rect) const {
  Pixels part;
  if (rect.left < 0 || rect.top < 0 || rect.right > width || rect.bottom > height ||
      rect.right <= rect.left || rect.bottom <= rect.top) {
    return part;
  }
  part.width = rect.right - rect.left;
  part.height = rect.bottom - rect.top;
  part.data.reserve(static_cast<size_t>(part.width) * part.height);
  for (int y = rect.top; y < rect.bottom; ++y) {
    const uint32_t* row = &data[static_cast<size_t>(y) * width];
    part.data.insert(part.data.end(), row + rect.left, row + rect.right);
  }
  return part;
}

Pixels CaptureScreen(const RECT& rect) {
  const int width = rect.right - rect.left;
  const int height = rect.bottom - rect.top;
  if (width <= 0 || height <= 0) return Pixels{};
  Canvas canvas(width, height);
  HDC screen = ::GetDC(nullptr);
  ::BitBlt(canvas.Dc(), 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY);
  ::ReleaseDC(nullptr, screen);
  return canvas.Read();
}

Pixels RenderDialogText(const std::string& text, SIZE area) {
  Canvas canvas(area.cx, area.cy);
  HDC dc = canvas.Dc();
  RECT rect{0, 0, area.cx, area.cy};
  Fill(dc, rect, ::GetSysColor(COLOR_BTNFACE));
  HGDIOBJ old = ::SelectObject(dc, ::GetStockObject(ANSI_VAR_FONT));
  ::SetTextColor(dc, ::GetSysColor(COLOR_BTNTEXT));
  ::SetBkColor(dc, ::GetSysColor(COLOR_BTNFACE));
  ::DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &rect, DT_WORDBREAK);
  ::SelectObject(dc, old);
  return canvas.Read();
}

Pixels RenderConsole(const std::string& text, SIZE client) {
  Canvas canvas(client.cx, client.cy);
  HDC dc = canvas.Dc();
  const COLORREF shadow = ::GetSysColor(COLOR_BTNSHADOW);
  const COLORREF highlight = ::GetSysColor(COLOR_BTNHIGHLIGHT);
  // Sunken: dark along the top and left, light along the bottom and right,
  // the light edges owning both far corners.
  Fill(dc, RECT{0, 0, client.cx - 1, 1}, shadow);
  Fill(dc, RECT{0, 0, 1, client.cy - 1}, shadow);
  Fill(dc, RECT{client.cx - 1, 0, client.cx, client.cy}, highlight);
  Fill(dc, RECT{0, client.cy - 1, client.cx, client.cy}, highlight);
  RECT inner{1, 1, client.cx - 1, client.cy - 1};
  Fill(dc, inner, RGB(0, 0, 0));
  HGDIOBJ old = ::SelectObject(dc, ::GetStockObject(OEM_FIXED_FONT));
  ::SetTextColor(dc, RGB(0xC0, 0xC0, 0xC0));
  ::SetBkColor(dc, RGB(0, 0, 0));
  ::DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &inner, 0);
  ::SelectObject(dc, old);
  return canvas.Read();
}

SIZE ExpectedConsoleSize() {
  HDC dc = ::CreateCompatibleDC(nullptr);
  HGDIOBJ old = ::SelectObject(dc, ::GetStockObject(OEM_FIXED_FONT));
  TEXTMETRICA metrics{};
  ::GetTextMetricsA(dc, &metrics);
  SIZE cell{};
  ::GetTextExtentPoint32A(dc, "0", 1, &cell);
  ::SelectObject(dc, old);
  ::DeleteDC(dc);
  return SIZE{80 * cell.cx + 2, 25 * metrics.tmHeight + 2};
}

size_t CountDifferences(const Pixels& a, const Pixels& b) {
  if (a.width != b.width || a.height != b.height) return static_cast<size_t>(-1);
  size_t differences = 0;
  for (size_t i = 0; i < a.data.size(); ++i) differences += a.data[i] != b.data[i];
  return differences;
}

bool SaveBitmap(const Pixels& pixels, const std::string& path) {
  FILE* file = std::fopen(path.c_str(), "wb");
  if (!file) return false;
  BITMAPFILEHEADER header{};
  BITMAPINFOHEADER info{};
  const DWORD imageSize = static_cast<DWORD>(pixels.data.size() * 4);
  header.bfType = 0x4D42;
  header.bfOffBits = sizeof header + sizeof info;
  header.bfSize = header.bfOffBits + imageSize;
  info.biSize = sizeof info;
  info.biWidth = pixels.width;
  info.biHeight = -pixels.height;
  info.biPlanes = 1;
  info.biBitCount = 32;
  info.biSizeImage = imageSize;
  std::fwrite(&header, sizeof header, 1, file);
  std::fwrite(&info, sizeof info, 1, file);
  std::fwrite(pixels.data.data(), 4, pixels.data.size(), file);
  return std::fclose(file) == 0;
}
