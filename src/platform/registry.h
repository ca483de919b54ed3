// The registry service: keys and typed values under the predefined roots.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace dusk {

enum class RegRoot { CurrentUser, LocalMachine, ClassesRoot };

// Value types carry the platform's REG_* numbers.
namespace regtype {
inline constexpr std::uint32_t None = 0;
inline constexpr std::uint32_t Sz = 1;
inline constexpr std::uint32_t ExpandSz = 2;
inline constexpr std::uint32_t Binary = 3;
inline constexpr std::uint32_t Dword = 4;
inline constexpr std::uint32_t MultiSz = 7;
}  // namespace regtype

struct RegValue {
  std::uint32_t type = regtype::None;
  std::string data;  // the raw bytes, a string's terminating NUL included as stored
};

class Registry {
 public:
  virtual ~Registry() = default;
  // Creates the key and the keys above it; true when it exists afterwards.
  virtual bool CreateKey(RegRoot root, const std::string& path) = 0;
  virtual bool KeyExists(RegRoot root, const std::string& path) = 0;
  // The names of the key's direct sub-keys; empty when it has none or does not open.
  virtual std::vector<std::string> SubKeyNames(RegRoot root, const std::string& path) = 0;
  // Empty when the key does not open or the value does not exist.
  virtual std::optional<RegValue> QueryValue(RegRoot root, const std::string& path,
                                             const std::string& name) = 0;
  // Creates the key as needed.
  virtual bool SetValue(RegRoot root, const std::string& path, const std::string& name,
                        const RegValue& value) = 0;
  // Fails for a key that still has sub-keys, as on the NT family.
  virtual bool DeleteKey(RegRoot root, const std::string& path) = 0;
  virtual bool DeleteValue(RegRoot root, const std::string& path, const std::string& name) = 0;
};

// A REG_SZ value holding `text` with its terminating NUL.
RegValue StringValue(const std::string& text);

}  // namespace dusk
