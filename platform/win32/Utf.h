// Between the tables' UTF-8 and the system's UTF-16.
#pragma once

#include <string>

std::wstring Widen(const std::string& text);
std::string Narrow(const std::wstring& text);
