#include "util/key_index.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace corvalis {
namespace {

// Keys of every length up to past three words, from a small alphabet so
// that equal and nearly equal keys are frequent.
std::vector<std::string> SomeKeys() {
  std::mt19937 random(11);
  const char alphabet[] = "AB. \xC3\xA8";
  std::vector<std::string> keys;
  for (size_t length = 0; length <= 40; ++length) {
    for (int n = 0; n < 12; ++n) {
      std::string key(length, ' ');
      for (char& c : key) c = alphabet[random() % (sizeof alphabet - 1)];
      keys.push_back(key);
    }
  }
  return keys;
}

// Same() compares a word at a time, in pieces that depend on the length:
// every pair of keys, equal or not, also at unaligned addresses, and every
// key against itself with any one byte changed.
TEST(KeyIndexTest, SameAgreesWithPlainEquality) {
  std::vector<std::string> keys = SomeKeys();
  for (const std::string& a : keys) {
    std::string shifted = "x" + a;  // its bytes at another alignment
    std::string_view a_view = std::string_view(shifted).substr(1);
    for (const std::string& b : keys) {
      ASSERT_EQ(KeyIndex::Same(a_view, b), a == b) << a << "|" << b;
    }
    for (size_t i = 0; i < a.size(); ++i) {
      std::string changed = a;
      changed[i] ^= 0x40;
      ASSERT_FALSE(KeyIndex::Same(a, changed)) << a << " " << i;
      ASSERT_FALSE(KeyIndex::Same(changed, a)) << a << " " << i;
    }
  }
}

// A table found by name and team extends the name's hash, taken once per
// player line, with the team: the same as hashing both.
TEST(KeyIndexTest, NameHashExtendedWithTheTeamIsTheHashOfBoth) {
  std::vector<std::string> keys = SomeKeys();
  for (size_t i = 0; i < keys.size(); i += 7) {
    for (size_t j = 0; j < keys.size(); j += 13) {
      const std::string& name = keys[i];
      ASSERT_EQ(KeyIndex::Extend(KeyIndex::Hash(name), name.size(), keys[j]),
                KeyIndex::Hash(name, keys[j]));
    }
  }
  EXPECT_EQ(KeyIndex::EmptyHash(), KeyIndex::Hash(""));
  EXPECT_NE(KeyIndex::Hash("ab", "c"), KeyIndex::Hash("a", "bc"));
}

// Every byte of a key counts, and so does its length: a hash that dropped
// some would leave the tables right but slow.
TEST(KeyIndexTest, HashTakesEveryByteAndTheLength) {
  for (const std::string& key : SomeKeys()) {
    uint64_t hash = KeyIndex::Hash(key);
    for (size_t i = 0; i < key.size(); ++i) {
      std::string changed = key;
      changed[i] ^= 0x01;
      ASSERT_NE(KeyIndex::Hash(changed), hash) << key << " " << i;
    }
    ASSERT_NE(KeyIndex::Hash(key + '\0'), hash) << key;
  }
}

// Rows found by key through the hashes, among many keys of shared prefixes.
TEST(KeyIndexTest, FindsEveryKeyAddedAndNoOther) {
  std::vector<std::string> rows;
  KeyIndex index;
  auto find = [&](const std::string& key) {
    return index.Find(KeyIndex::Hash(key),
                      [&](int row) { return KeyIndex::Same(rows[row], key); });
  };
  for (int n = 0; n < 3000; ++n) {
    std::string key = "ROSSI " + std::to_string(n * 7919 % 5000);
    if (find(key) >= 0) continue;
    rows.push_back(key);
    index.Add(KeyIndex::Hash(key), static_cast<int>(rows.size()) - 1);
  }
  for (size_t row = 0; row < rows.size(); ++row) {
    ASSERT_EQ(find(rows[row]), static_cast<int>(row));
  }
  EXPECT_EQ(find("ROSSI 5000"), -1);
  EXPECT_EQ(find("ROSSI"), -1);
}

}  // namespace
}  // namespace corvalis
