#include "FileVersion.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <vector>

#include "AppVersion.h"

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#endif

namespace qorvan::ui {

#ifdef _WIN32

QString GetFileVersionText(const QString& fileName) {
  const auto* name = reinterpret_cast<LPCWSTR>(fileName.utf16());
  DWORD handle = 0;
  const DWORD size = GetFileVersionInfoSizeW(name, &handle);
  if (size == 0) return {};
  try {
    std::vector<char> buffer(size);
    if (!GetFileVersionInfoW(name, 0, size, buffer.data())) return {};
    VS_FIXEDFILEINFO* info = nullptr;
    UINT length = 0;
    if (!VerQueryValueW(buffer.data(), L"\\", reinterpret_cast<void**>(&info), &length) || !info)
      return {};
    return QStringLiteral("%1.%2.%3.%4")
        .arg(HIWORD(info->dwFileVersionMS))
        .arg(LOWORD(info->dwFileVersionMS))
        .arg(HIWORD(info->dwFileVersionLS))
        .arg(LOWORD(info->dwFileVersionLS));
  } catch (...) {
    return QStringLiteral("-1");
  }
}

#else

QString GetFileVersionText(const QString& fileName) {
  // ELF files carry no version resource: only this program's own file has a known version.
  const QFileInfo file(fileName);
  if (!file.exists()) return {};
  if (file.canonicalFilePath() !=
      QFileInfo(QCoreApplication::applicationFilePath()).canonicalFilePath())
    return {};
  return QStringLiteral(QORVAN_VERSION_TEXT);
}

#endif

}  // namespace qorvan::ui
