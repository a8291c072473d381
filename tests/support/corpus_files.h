// The files of a test corpus folder: listed, or read and handed one by one
// to the code under test.
#pragma once
#include <functional>
#include <string>
#include <string_view>
#include <vector>

// The names of the files (not folders) in the folder that match the mask.
std::vector<std::u16string> FileNames(const std::u16string& folder, std::u16string_view mask);

// Hands the bytes of every file in the folder to run, the file's name in the
// failure messages; stops at a fatal failure. Returns how many ran.
int ReplayCorpus(const std::u16string& folder, const std::function<void(const std::string& bytes)>& run);

// The scripts of a folder, name.qel as "name", sorted.
std::vector<std::u16string> ScriptNames(const std::u16string& folder);
// The same names in the build's narrow text, as the cases of a
// parameterized test.
std::vector<std::string> ScriptCaseNames(const std::u16string& folder);

// The file holding what a script shows: name.out8 for the 8-bit build when
// the script shows something else there, else name.out. base is the
// script's path without its extension.
std::u16string ExpectedOutputPath(const std::u16string& base, bool eightBit);

// What a script of the folder showed, with the folder's full path, which
// differs between machines, shown as "<scripts>/".
std::string WithFolderHidden(std::string shown, const std::u16string& folder);
