// Start routine. For now it opens the bare main window and runs its message loop; the controls
// arrive with the main window itself.
#include <windows.h>

#include "app/codepage.h"

namespace {

constexpr int kWindowWidth = 936;
constexpr int kWindowHeight = 673;

LRESULT CALLBACK MainWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
  WNDCLASSEXW windowClass = {};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = MainWindowProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = L"OrvelleMainWindow";
  if (!RegisterClassExW(&windowClass)) return -1;

  const int x = (GetSystemMetrics(SM_CXSCREEN) - kWindowWidth) / 2;
  const int y = (GetSystemMetrics(SM_CYSCREEN) - kWindowHeight) / 2;
  const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
  HWND window =
      CreateWindowExW(0, windowClass.lpszClassName, WideFromText("Orvelle").c_str(), style, x, y,
                      kWindowWidth, kWindowHeight, nullptr, nullptr, instance, nullptr);
  if (!window) return -1;
  ShowWindow(window, showCommand);

  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return 0;
}
