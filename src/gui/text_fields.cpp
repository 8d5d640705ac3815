#include "gui/text_fields.h"

#include <array>
#include <utility>

namespace morvane::gui {
namespace {

using core::TextField;

constexpr std::array<std::pair<std::string_view, TextField>, 16> kControls = {{
    {"cboKyotsuName", TextField::FrontPart},
    {"cboKyotsuName2", TextField::BackPart},
    {"cboChgStr", TextField::FindText},
    {"cboChgStr2", TextField::ReplaceText},
    {"cboAddStr", TextField::Prefix},
    {"cboAddStr2", TextField::Suffix},
    {"edtKyotsuName", TextField::DefaultFrontPart},
    {"edtKyotsuName2", TextField::DefaultBackPart},
    {"cboExtension", TextField::FileTypes},
    {"edtExtension", TextField::DefaultFileTypes},
    {"cboGDExtUser", TextField::ProtectedTypes},
    {"cboChgExt", TextField::NewExtension},
    {"edtChgExt", TextField::DefaultNewExtension},
    {"cboStartSeqNbr", TextField::StartNumber},
    {"edtStartSeqNbr", TextField::DefaultStartNumber},
    {"edtZoubun", TextField::Increment},
}};

}  // namespace

std::optional<TextField> TextFieldNamed(std::string_view objectName) {
  for (const auto& [name, field] : kControls) {
    if (name == objectName) return field;
  }
  return std::nullopt;
}

}  // namespace morvane::gui
