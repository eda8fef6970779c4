#include "panel_window.h"

#include <windowsx.h>

#include <algorithm>
#include <string>
#include <vector>

#include "twips.h"

namespace velmora::panel {
namespace {

// Thin fixed border: no sizing frame and no minimize or maximize box; the
// system menu brings the close box.
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr UINT_PTR kTimerId = 1;
constexpr int kFirstButtonId = 1000;  // + index in ButtonDesigns(); clear of IDOK and IDCANCEL

COLORREF ToColorRef(Rgb colour) { return RGB(colour.red, colour.green, colour.blue); }

// The screen's real dot density; the program's manifest declares it
// DPI-aware, so the system does not pretend 96 on a denser screen.
void ReadScreenDensity(int* x, int* y) {
  if (HDC screen = ::GetDC(/*window=*/nullptr)) {
    *x = ::GetDeviceCaps(screen, LOGPIXELSX);
    *y = ::GetDeviceCaps(screen, LOGPIXELSY);
    ::ReleaseDC(nullptr, screen);
  }
}

// Moves `frame` into the work area where it fits, so that the designed place
// never leaves the panel off a small screen.
void KeepOnScreen(RECT* frame) {
  RECT work{};
  if (!::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0)) return;
  const LONG width = frame->right - frame->left;
  const LONG height = frame->bottom - frame->top;
  const LONG left = std::max(work.left, std::min(frame->left, work.right - width));
  const LONG top = std::max(work.top, std::min(frame->top, work.bottom - height));
  *frame = RECT{left, top, left + width, top + height};
}

// Selects a GDI object into a device context and puts the old one back.
class SelectedObject {
 public:
  SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), old_(::SelectObject(dc, object)) {}
  ~SelectedObject() { ::SelectObject(dc_, old_); }
  SelectedObject(const SelectedObject&) = delete;
  SelectedObject& operator=(const SelectedObject&) = delete;

 private:
  HDC dc_;
  HGDIOBJ old_;
};

bool IsButtonId(int id) {
  return id >= kFirstButtonId && id < kFirstButtonId + static_cast<int>(ButtonDesigns().size());
}

}  // namespace

PanelWindow::PanelWindow(HINSTANCE instance) {
  ReadScreenDensity(&dotsPerInchX_, &dotsPerInchY_);

  WNDCLASSEXA windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = Procedure;
  windowClass.hInstance = instance;
  windowClass.hCursor = ::LoadCursor(nullptr, IDC_ARROW);
  windowClass.hIcon = ::LoadIcon(nullptr, IDI_APPLICATION);
  windowClass.lpszClassName = kClassName;
  ::RegisterClassExA(&windowClass);  // already registered is fine: CreateWindow tells

  const FormDesign& form = Form1();
  const int left = TwipsToPixels(form.clientLeft, dotsPerInchX_);
  const int top = TwipsToPixels(form.clientTop, dotsPerInchY_);
  RECT frame{left, top, left + TwipsToPixels(form.clientWidth, dotsPerInchX_),
             top + TwipsToPixels(form.clientHeight, dotsPerInchY_)};
  ::AdjustWindowRectEx(&frame, kStyle, /*menu=*/FALSE, /*exStyle=*/0);
  KeepOnScreen(&frame);

  const std::string caption(form.caption);
  // WM_NCCREATE stores `this` and sets window_.
  ::CreateWindowExA(/*exStyle=*/0, kClassName, caption.c_str(), kStyle, frame.left, frame.top,
                    frame.right - frame.left, frame.bottom - frame.top, /*parent=*/nullptr, /*menu=*/nullptr,
                    instance, this);
}

PanelWindow::~PanelWindow() {
  if (window_) ::DestroyWindow(window_);
}

void PanelWindow::Show(ModePanel& panel) {
  panel_ = &panel;
  timerRunning_ = ::SetTimer(window_, kTimerId, kTickMilliseconds, /*callback=*/nullptr) != 0;
  ::ShowWindow(window_, SW_SHOWNOACTIVATE);
  ::UpdateWindow(window_);
}

int PanelWindow::Run() {
  MSG message{};
  while (::GetMessageA(&message, nullptr, 0, 0) > 0) {
    // Tab and the arrow keys move between the buttons, space clicks one.
    if (window_ && ::IsDialogMessageA(window_, &message)) continue;
    ::TranslateMessage(&message);
    ::DispatchMessageA(&message);
  }
  return message.message == WM_QUIT ? static_cast<int>(message.wParam) : 0;
}

LRESULT CALLBACK PanelWindow::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* self = static_cast<PanelWindow*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
    self->window_ = window;
    ::SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<PanelWindow*>(::GetWindowLongPtrA(window, GWLP_USERDATA));
  if (!self) return ::DefWindowProcA(window, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    ::SetWindowLongPtrA(window, GWLP_USERDATA, 0);
    self->window_ = nullptr;
  }
  return self->Handle(message, wParam, lParam);
}

LRESULT PanelWindow::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  HWND hwnd = window_;
  switch (message) {
    HANDLE_MSG(hwnd, WM_CREATE, OnCreate);
    HANDLE_MSG(hwnd, WM_COMMAND, OnCommand);
    HANDLE_MSG(hwnd, WM_TIMER, OnTimer);
    HANDLE_MSG(hwnd, WM_DRAWITEM, OnDrawItem);
    HANDLE_MSG(hwnd, WM_ERASEBKGND, OnEraseBackground);
    HANDLE_MSG(hwnd, WM_DESTROY, OnDestroy);
  }
  return ::DefWindowProcA(hwnd, message, wParam, lParam);
}

BOOL PanelWindow::OnCreate(HWND window, LPCREATESTRUCT create) {
  const FormDesign& form = Form1();
  backBrush_.reset(::CreateSolidBrush(ToColorRef(form.backColour)));
  buttonBrush_.reset(::CreateSolidBrush(ToColorRef(form.buttonBackColour)));
  if (!backBrush_ || !buttonBrush_) return FALSE;

  const std::string face(form.buttonFontFace);
  const auto buttons = ButtonDesigns();
  for (std::size_t i = 0; i < buttons.size(); ++i) {
    buttonFonts_[i].reset(::CreateFontA(
        -FontHeightPixels(buttons[i].fontHundredthsOfPoint, dotsPerInchY_), /*width=*/0, /*escapement=*/0,
        /*orientation=*/0, FW_BOLD, /*italic=*/FALSE, /*underline=*/FALSE, /*strikeOut=*/FALSE,
        static_cast<DWORD>(buttons[i].fontCharacterSet), OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
        DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, face.c_str()));
  }

  // The Tab key follows the order in which the buttons are created.
  std::vector<std::size_t> tabOrder(buttons.size());
  for (std::size_t i = 0; i < tabOrder.size(); ++i) tabOrder[i] = i;
  std::sort(tabOrder.begin(), tabOrder.end(),
            [&](std::size_t a, std::size_t b) { return buttons[a].tabIndex < buttons[b].tabIndex; });
  for (std::size_t i : tabOrder) {
    const ButtonDesign& design = buttons[i];
    const std::string caption(design.caption);
    HWND button = ::CreateWindowExA(
        /*exStyle=*/0, "BUTTON", caption.c_str(), WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_OWNERDRAW,
        TwipsToPixels(design.place.left, dotsPerInchX_), TwipsToPixels(design.place.top, dotsPerInchY_),
        TwipsToPixels(design.place.width, dotsPerInchX_), TwipsToPixels(design.place.height, dotsPerInchY_),
        window, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kFirstButtonId + static_cast<int>(i))),
        create->hInstance, /*param=*/nullptr);
    if (!button) return FALSE;
    SetWindowFont(button, buttonFonts_[i].get(), /*redraw=*/FALSE);
  }
  return TRUE;
}

void PanelWindow::OnCommand(HWND, int id, HWND control, UINT notification) {
  // A quick second click on an owner-drawn button arrives as a double click;
  // the operator meant two clicks.
  if (control && IsButtonId(id) && (notification == BN_CLICKED || notification == BN_DOUBLECLICKED)) {
    ClickButton(id);
  } else if (id == IDOK && !control) {
    // Enter, passed on by the dialog keys: it clicks the button with the focus.
    const HWND focus = ::GetFocus();
    if (focus && ::GetParent(focus) == window_ && IsButtonId(::GetDlgCtrlID(focus))) {
      ClickButton(::GetDlgCtrlID(focus));
    }
  }
}

void PanelWindow::OnTimer(HWND, UINT id) {
  if (id == kTimerId && panel_) FollowPanel(panel_->Tick());
}

void PanelWindow::OnDrawItem(HWND, const DRAWITEMSTRUCT* item) {
  if (!IsButtonId(static_cast<int>(item->CtlID))) return;
  const std::size_t index = item->CtlID - kFirstButtonId;
  const bool pressed = (item->itemState & ODS_SELECTED) != 0;
  HDC dc = item->hDC;
  RECT face = item->rcItem;
  ::FillRect(dc, &face, buttonBrush_.get());
  ::DrawEdge(dc, &face, pressed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);

  char caption[32] = {};
  ::GetWindowTextA(item->hwndItem, caption, static_cast<int>(sizeof caption));
  RECT text = face;
  if (pressed) ::OffsetRect(&text, 1, 1);
  const SelectedObject font(dc, buttonFonts_[index] ? buttonFonts_[index].get() : GetStockObject(DEFAULT_GUI_FONT));
  ::SetBkMode(dc, TRANSPARENT);
  ::SetTextColor(dc, ToColorRef(Form1().foreColour));
  ::DrawTextA(dc, caption, -1, &text, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);

  if (item->itemState & ODS_FOCUS) {
    RECT focus = face;
    ::InflateRect(&focus, -3, -3);
    ::DrawFocusRect(dc, &focus);
  }
}

BOOL PanelWindow::OnEraseBackground(HWND window, HDC dc) {
  RECT client{};
  ::GetClientRect(window, &client);
  ::FillRect(dc, &client, backBrush_.get());
  return TRUE;
}

void PanelWindow::OnDestroy(HWND window) {
  if (timerRunning_) ::KillTimer(window, kTimerId);
  timerRunning_ = false;
  int exitCode = 0;
  if (panel_) {
    panel_->Close();  // releases the host, unless the panel ended already
    exitCode = ExitCodeOf(panel_->end());
    panel_ = nullptr;
  }
  for (ScopedFont& font : buttonFonts_) font.reset();
  buttonBrush_.reset();
  backBrush_.reset();
  ::PostQuitMessage(exitCode);
}

void PanelWindow::ClickButton(int id) {
  if (panel_) FollowPanel(panel_->Click(ButtonDesigns()[static_cast<std::size_t>(id - kFirstButtonId)].button));
}

void PanelWindow::FollowPanel(PanelEnd end) {
  if (end != PanelEnd::kRunning && window_) ::DestroyWindow(window_);
}

}  // namespace velmora::panel
