#include "Observer.h"

#include "ChildProcess.h"
#include "Wait.h"

namespace {
constexpr int kTextMargin = 20;

bool SameState(const Sample& a, const Sample& b) {
  return a.exists == b.exists && a.visible == b.visible && a.caption == b.caption &&
         ::EqualRect(&a.windowRect, &b.windowRect) && a.screen == b.screen;
}

std::string TextOf(HWND window) {
  char text[256] = {};
  ::GetWindowTextA(window, text, sizeof text);
  return text;
}

// Drawing every screen takes seconds, so the driver draws them once for all runs.
Catalogue& SharedCatalogue() {
  static Catalogue catalogue;
  return catalogue;
}
}  // namespace

Observer::Observer() : m_start(std::chrono::steady_clock::now()), m_catalogue(SharedCatalogue()) {
  m_catalogue.AddConsoleScreens(ExpectedConsoleSize());
}

void Observer::Start(DWORD processId, DWORD threadId) {
  m_processId = processId;
  m_threadId = threadId;
  m_start = std::chrono::steady_clock::now();
  m_thread = std::thread([this] { Run(); });
}

Observer::~Observer() {
  m_stop = true;
  if (m_thread.joinable()) m_thread.join();
}

double Observer::Now() const { return SecondsSince(m_start); }

Sample Observer::Take() {
  Sample sample;
  sample.t = Now();
  if (!m_window) m_window = FindDialogOf(m_processId, false);
  sample.window = m_window;
  sample.exists = m_window && ::IsWindow(m_window);
  if (!sample.exists) return sample;

  sample.visible = ::IsWindowVisible(m_window) != FALSE;
  sample.caption = TextOf(m_window);
  ::GetWindowRect(m_window, &sample.windowRect);
  ::GetClientRect(m_window, &sample.clientRect);
  ::MapWindowPoints(m_window, nullptr, reinterpret_cast<POINT*>(&sample.clientRect), 2);
  sample.button = ::GetDlgItem(m_window, kButtonId);
  sample.buttonVisible = sample.button && ::IsWindowVisible(sample.button);
  if (sample.button) {
    ::GetWindowRect(sample.button, &sample.buttonRect);
    sample.buttonText = TextOf(sample.button);
  }
  GUITHREADINFO thread{};
  thread.cbSize = sizeof thread;
  if (::GetGUIThreadInfo(m_threadId, &thread)) sample.focus = thread.hwndFocus;
  if (!sample.visible) return sample;

  const Pixels client = CaptureScreen(sample.clientRect);
  const SIZE clientSize{client.width, client.height};
  if (!m_catalogue.HasConsoleScreens(clientSize) && clientSize.cx > 100 && clientSize.cy > 100 &&
      sample.caption == kConsoleCaption) {
    m_catalogue.AddConsoleScreens(clientSize);
  }
  Screen screen = m_catalogue.Identify(client.Hash());
  Pixels matched = client;

  // The dialog look's text lies between the icon, the client edges and the
  // button's row.
  RECT icon{};
  HWND iconControl = ::GetDlgItem(m_window, kIconControlId);
  if (screen.kind == Kind::Unknown && iconControl && sample.button) {
    ::GetWindowRect(iconControl, &icon);
    RECT area{icon.right + kTextMargin - sample.clientRect.left, kTextMargin,
              sample.clientRect.right - kTextMargin - sample.clientRect.left,
              sample.buttonRect.top - kTextMargin - sample.clientRect.top};
    Pixels text = client.Crop(area);
    if (!text.Empty()) {
      const SIZE areaSize{text.width, text.height};
      if (!m_catalogue.HasDialogScreens(areaSize)) m_catalogue.AddDialogScreens(areaSize);
      screen = m_catalogue.Identify(text.Hash());
      matched = std::move(text);
    }
  }
  sample.screen = screen;

  std::lock_guard<std::mutex> lock(m_mutex);
  if (screen.kind != Kind::Unknown && !m_firstFrames.count(screen.kind)) {
    m_firstFrames[screen.kind] = FrameRecord{screen, SIZE{matched.width, matched.height}, matched};
  }
  if (screen.kind == Kind::Unknown) {
    ++m_unknownVisible;
    m_firstFrames[Kind::Unknown] = FrameRecord{screen, SIZE{client.width, client.height}, client};
  }
  return sample;
}

void Observer::Run() {
  while (!m_stop) {
    Sample sample = Take();
    {
      std::lock_guard<std::mutex> lock(m_mutex);
      ++m_total;
      if (!m_spans.empty() && SameState(m_spans.back().first, sample)) {
        m_spans.back().lastSeen = sample.t;
        ++m_spans.back().samples;
      } else {
        m_spans.push_back(Span{sample, sample.t, 1});
      }
      m_spans.back().first.focus = sample.focus;  // keeps the newest focus and button
      m_spans.back().first.buttonRect = sample.buttonRect;
    }
    ::Sleep(3);
  }
}

Sample Observer::Latest() const {
  std::lock_guard<std::mutex> lock(m_mutex);
  return m_spans.empty() ? Sample{} : m_spans.back().first;
}

std::vector<Span> Observer::Spans() const {
  std::lock_guard<std::mutex> lock(m_mutex);
  return m_spans;
}

bool Observer::WaitFor(const std::function<bool(const Sample&)>& predicate, double timeoutSeconds,
                       double since, Span* found) const {
  size_t checked = 0;
  return WaitUntil(timeoutSeconds, [&] {
    std::lock_guard<std::mutex> lock(m_mutex);
    // Earlier spans cannot change, except the last one's end.
    for (size_t i = checked; i < m_spans.size(); ++i) {
      const Span& span = m_spans[i];
      if (span.lastSeen >= since && predicate(span.first)) {
        if (found) *found = span;
        return true;
      }
    }
    checked = m_spans.empty() ? 0 : m_spans.size() - 1;
    return false;
  });
}

bool Observer::WaitForScreen(Kind kind, double timeoutSeconds, double since, Span* found) const {
  return WaitFor([kind](const Sample& s) { return s.visible && s.screen.kind == kind; },
                 timeoutSeconds, since, found);
}

std::map<Kind, FrameRecord> Observer::FirstFrames() const {
  std::lock_guard<std::mutex> lock(m_mutex);
  return m_firstFrames;
}

int Observer::UnknownVisibleSamples() const {
  std::lock_guard<std::mutex> lock(m_mutex);
  return m_unknownVisible;
}

int Observer::TotalSamples() const {
  std::lock_guard<std::mutex> lock(m_mutex);
  return m_total;
}
