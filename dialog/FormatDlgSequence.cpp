// The timer-driven sequence: countdown, typing, formatting, gotcha.
#include "dialog/FormatDlg.h"
#include "dialog/ScreenTexts.h"
#include "framework/SystemDll.h"
#include "res/resource.h"

#include <mmsystem.h>

namespace {
constexpr int TYPING_TICKS = 2 * TYPING_SCREENS;
constexpr int FORMATTING_TICKS = 100;
}  // namespace

void CFormatDlg::OnTimer(UINT nIDEvent) {
  if (nIDEvent != IDT_SEQUENCE) {
    Default();
    return;
  }
  ++m_nTicks;

  // Each block tests the phase as the previous one left it, so the tick that
  // ends a phase already shows the first screen of the next.
  if (m_nPhase == PHASE_COUNTDOWN) {
    if (m_nTicks >= m_nCountdownSeconds || m_bSkip) {
      m_nTicks = 0;
      m_nPhase = PHASE_TYPING;
      m_bSkip = FALSE;
      EnterConsoleView();
    } else {
      PlayClick();
      m_strScreen.Format(g_countdownFormat, m_nCountdownSeconds - m_nTicks);
      RepaintNow();
    }
  }

  if (m_nPhase == PHASE_TYPING) {
    if (m_nTicks >= TYPING_TICKS || m_bSkip) {
      m_nTicks = 0;
      m_nPhase = PHASE_FORMATTING;
      m_bSkip = FALSE;
    } else {
      m_strScreen = g_typingScript[m_nTicks / 2];
      if (m_nTicks % 2) m_strScreen += g_cursor;
      RepaintNow();
    }
  }

  if (m_nPhase == PHASE_FORMATTING) {
    if (m_nTicks >= FORMATTING_TICKS || m_bSkip) {
      m_nTicks = 0;
      m_nPhase = PHASE_GOTCHA;
      ShowGotcha();
      m_bSkip = FALSE;
      return;
    }
    ReadNextFile();
    m_strScreen.Format(g_progressFormat, m_nTicks);
    if (m_nTicks % 2) m_strScreen += g_cursor;
    RepaintNow();
  }
}

void CFormatDlg::OnRevealNow() {
  m_nPhase = PHASE_GOTCHA;
  ShowGotcha();
}

void CFormatDlg::OnSkipPhase() { m_bSkip = TRUE; }

void CFormatDlg::PlayClick() {
  static const auto playSound =
      AfxProcAs<decltype(&::PlaySoundA)>(AfxGetSystemProcAddress("winmm.dll", "PlaySoundA"));
  if (!playSound) return;  // no sound service: the clicks are silent
  playSound(nullptr, nullptr, 0);
  playSound(MAKEINTRESOURCEA(IDR_CLICK), AfxGetInstanceHandle(), SND_RESOURCE | SND_ASYNC);
}

void CFormatDlg::RepaintNow() {
  Invalidate(FALSE);
  UpdateWindow();
}
