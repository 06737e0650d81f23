// The recent-file list's rules, the same on every platform: where the per-user settings live,
// how many files the list remembers, what each entry is called, and how a file joins it.
#pragma once

#include <string>
#include <vector>

// The settings' key and the list's section under it, below the application's name.
constexpr char kRegistryKey[] = "Local AppWizard-Generated Applications";
constexpr char kRecentFileSection[] = "Recent File List";
constexpr int kRecentFileCount = 4;

// The name of the list's n-th entry, counted from 1: File1 is the newest.
std::string RecentFileEntry(int n);
// Puts the file first, dropping an older mention of it and whatever no longer fits in nSize.
void AddRecentFile(std::vector<std::string>& files, const std::string& path, int nSize);
