#pragma once

#include <string>
#include <vector>

#include "core/settings/ini_document.h"
#include "core/text/code_page.h"

namespace morvane::core {

// A combo box's history as a run saves it: all its items, and its text at the start of
// the run (an empty text is stored as the history's marker in front of the items).
struct SavedField {
  std::vector<std::string> items;
  std::string text;
};

// The fields of section CopyFile that every copying mode saves.
struct CopyFileFields {
  SavedField fileTypes;  // items after the fixed all-files item
  SavedField newExtension;
  bool changeExtension = false;
  SavedField outputFolder;
};

// After a sequential run: section CopyFile erased, then the start numbers after the
// three fixed ones (each under its own item index), the front and back parts (the
// marker first when the field was empty), and the CopyFile fields.
struct SequentialHistories {
  std::vector<std::string> startNumbers;  // every item, the three fixed ones included
  SavedField frontPart;
  SavedField backPart;
  CopyFileFields copyFile;
};
void WriteSequentialHistories(IniDocument& document, const SequentialHistories& histories,
                              const CodePage& codePage);

// After a case conversion: only the file types of section CopyFile.
void WriteFileTypesHistory(IniDocument& document, const SavedField& fileTypes, const CodePage& codePage);

// After an extension change, a replacement or an addition: the CopyFile fields,
// without erasing the section.
void WriteCopyFileHistories(IniDocument& document, const CopyFileFields& fields, const CodePage& codePage);

// After a string replacement or addition: its section (ChgStr or AddStr) erased and its
// strings A and B written, each behind its marker when the field was empty; the
// replacement also keeps whether A is matched in its case.
struct StringHistories {
  bool replacement = true;
  SavedField stringA;
  SavedField stringB;
  bool caseSensitive = true;  // replacement only
};
void WriteStringHistories(IniDocument& document, const StringHistories& histories, const CodePage& codePage);

}  // namespace morvane::core
