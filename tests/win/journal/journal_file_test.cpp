// The journal's file work on real files: a failed write leaves the former journal whole, and a
// lock held by one owner cannot be taken by another and goes with its owner.
#include "journal/journal_file.h"
#include "ui/exception.h"

#include "journal_files.h"

#include <gtest/gtest.h>

#include <thread>

namespace journal {
namespace {

using testing_support::Exists;
using testing_support::FileBytes;
using testing_support::Hidden;
using testing_support::OwnJournal;

class JournalFileTest : public ::testing::Test {
protected:
  testing_support::TScratchDirectory directory_;
  const TJournalNames names_ = OwnJournal();
};

TEST_F(JournalFileTest, AWriteReplacesTheJournalWholeAndAFailedOneLeavesTheFormer) {
  WriteJournalFile(names_, "первый");
  WriteJournalFile(names_, "второй"); // over a hidden journal
  EXPECT_EQ(FileBytes(names_.Journal.c_str()), "второй");
  EXPECT_TRUE(Hidden(names_.Journal));
  EXPECT_FALSE(Exists(names_.Temporary));

  // A temporary file that cannot be made: the write is refused, the journal stays as it was.
  ASSERT_TRUE(CreateDirectoryW(names_.Temporary.c_str(), nullptr));
  try {
    WriteJournalFile(names_, "третий");
    ADD_FAILURE() << "the write succeeded";
  } catch (const ui::EInOutError& error) {
    EXPECT_EQ(error.ErrorCode(), static_cast<unsigned long>(ERROR_ACCESS_DENIED));
  }
  EXPECT_EQ(FileBytes(names_.Journal.c_str()), "второй");
  RemoveDirectoryW(names_.Temporary.c_str());

  EXPECT_TRUE(DeleteJournalFiles(names_));
  EXPECT_FALSE(Exists(names_.Journal));
  EXPECT_TRUE(DeleteJournalFiles(names_)); // nothing left to delete is no failure
}

TEST_F(JournalFileTest, AJournalThatAScannerHoldsForAMomentIsStillReplacedAndDeleted) {
  WriteJournalFile(names_, "первый");
  // Opened without any sharing, as a scanner or a sync client does, and let go a little later.
  auto holdBriefly = [this] {
    HANDLE holder =
        CreateFileW(names_.Journal.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    EXPECT_NE(holder, INVALID_HANDLE_VALUE);
    return std::jthread([holder] {
      Sleep(300);
      CloseHandle(holder);
    });
  };
  {
    std::jthread release = holdBriefly();
    EXPECT_NO_THROW(WriteJournalFile(names_, "второй"));
  }
  EXPECT_EQ(FileBytes(names_.Journal.c_str()), "второй");
  {
    std::jthread release = holdBriefly();
    EXPECT_TRUE(DeleteJournalFiles(names_));
  }
  EXPECT_FALSE(Exists(names_.Journal));
}

TEST_F(JournalFileTest, ALockHasOneOwnerAndGoesWithIt) {
  {
    const TJournalLock owner = TJournalLock::Take(names_.Lock);
    ASSERT_TRUE(owner);
    EXPECT_TRUE(Hidden(names_.Lock));
    const TJournalLock other = TJournalLock::Take(names_.Lock);
    EXPECT_FALSE(other);
    EXPECT_EQ(other.Error(), static_cast<unsigned long>(ERROR_SHARING_VIOLATION));
  }
  EXPECT_FALSE(Exists(names_.Lock));
  // A lock file that outlived its owner (a power cut) is nobody's: it can be taken.
  testing_support::WriteFileBytes(names_.Lock.c_str(), "");
  EXPECT_TRUE(TJournalLock::Take(names_.Lock));
  EXPECT_FALSE(Exists(names_.Lock));
}

TEST_F(JournalFileTest, ADamagedJournalIsSetAsideWithoutOverwritingAnEarlierOne) {
  testing_support::PlantJournal(names_.Journal, "раз", 1);
  EXPECT_EQ(SetJournalAside(names_.Journal).Name, names_.Journal + L".bad");
  testing_support::PlantJournal(names_.Journal, "два", 1);
  EXPECT_EQ(SetJournalAside(names_.Journal).Name, names_.Journal + L".bad2");
  EXPECT_EQ(FileBytes((names_.Journal + L".bad").c_str()), "раз");
  EXPECT_EQ(FileBytes((names_.Journal + L".bad2").c_str()), "два");
  EXPECT_FALSE(Hidden(names_.Journal + L".bad2")); // for the user to find
  EXPECT_FALSE(Exists(names_.Journal));
}

} // namespace
} // namespace journal
