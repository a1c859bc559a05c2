// Folders that only the user can enter: the program's working folder, the
// folder of its single-instance lock and socket, and the private folder of
// one run for the working files of its chart windows.
#pragma once

#include <string>

namespace orvane {

// Makes `path` a folder of this user that only the user can enter. Missing
// parents are made as usual (mode 0777 less the umask) and the folder
// itself with mode 0700. An existing folder is accepted only when it is a
// real folder (a symbolic link in its place is refused) owned by this user;
// group and other permissions are then taken away. Returns false and, when
// `error` is given, a one-line reason naming the folder.
bool MakeUserFolder(const std::string& path, std::string* error);

// The private folder of one run: "<parent>/run-<pid>-<random>-<host>".
// The name is chosen when the object is made; Create makes the folder new
// (mkdir with mode 0700 fails when the name exists, so the folder is never
// anybody else's), and the folder is removed with everything in it when
// the object goes. A folder left by a run that was killed is removed by
// the next run on the same host (RemoveStaleRunFolders).
class RunFolder {
 public:
  explicit RunFolder(std::string parent);
  ~RunFolder();
  RunFolder(const RunFolder&) = delete;
  RunFolder& operator=(const RunFolder&) = delete;

  // Makes the parent with MakeUserFolder, removes the stale run folders in
  // it (the first time), then makes this run's folder. True at once when
  // the folder is there already; made again (same name) when it has gone.
  // False with a one-line reason when a step fails.
  bool Create(std::string* error);
  // The folder's path, whether or not it has been made.
  const std::string& path() const { return path_; }
  // Removes the folder and everything in it (links are removed, never
  // followed).
  void Remove();

 private:
  std::string parent_;
  std::string path_;
  bool made_ = false;
  bool cleaned_ = false;
};

// Removes the run folders in `parent` that were made on this host by
// processes that have ended. Returns how many were removed.
int RemoveStaleRunFolders(const std::string& parent);

}  // namespace orvane
