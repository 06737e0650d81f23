// The framework's small vocabulary types and constants that the game code is written in.
#pragma once

#include <cstdint>

using UINT = unsigned int;
using COLORREF = std::uint32_t;

constexpr COLORREF RGB(int r, int g, int b) {
    return static_cast<COLORREF>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}

// Stock brushes, by their index.
constexpr int WHITE_BRUSH = 0;
constexpr int GRAY_BRUSH = 2;

// Pen styles.
constexpr int PS_SOLID = 0;

// Message box types and the buttons that close them.
constexpr UINT MB_OK = 0x0000;
constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;

// Mouse key-state flags passed with a click.
constexpr UINT MK_LBUTTON = 0x0001;

// Virtual-key codes of the keys that play on the board.
constexpr UINT VK_RETURN = 0x0D;
constexpr UINT VK_SPACE = 0x20;
constexpr UINT VK_LEFT = 0x25;
constexpr UINT VK_UP = 0x26;
constexpr UINT VK_RIGHT = 0x27;
constexpr UINT VK_DOWN = 0x28;
constexpr UINT VK_F5 = 0x74;
