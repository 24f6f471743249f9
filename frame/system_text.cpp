#include "system_text.h"

namespace zc {

SystemText::SystemText(long code) {
    FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS | FORMAT_MESSAGE_ALLOCATE_BUFFER,
                   nullptr, static_cast<DWORD>(code), MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT),
                   reinterpret_cast<LPWSTR>(&m_text), 0, nullptr);
}

SystemText::~SystemText() {
    if (m_text) LocalFree(m_text);
}

}  // namespace zc
