#pragma once
// The about box AboutBox (class TAboutBox): created hidden at start, shown without being modal by
// the help menu's "关于", hidden again by its OK button or close button.
#include <cstdint>
#include <span>

#include "framework/framework.h"

namespace app {

class TAboutBox : public fw::TForm {
  FW_CLASS()
 public:
  explicit TAboutBox(fw::TComponent* owner);

  fw::TPanel* Panel1;
  fw::TImage* ProgramIcon;
  fw::TLabel* ProductName;
  fw::TLabel* Version;
  fw::TLabel* Label1;
  fw::TLabel* Comments;
  fw::TButton* OKButton;

  void ProductNameDblClick(fw::TObject* Sender);
  void VersionDblClick(fw::TObject* Sender);
  void Label1Click(fw::TObject* Sender);
  void CommentsClick(fw::TObject* Sender);
  void CommentsDblClick(fw::TObject* Sender);
  void OKButtonClick(fw::TObject* Sender);

 // Shows a JPEG picture in ProgramIcon; data that does not decode fully leaves the picture empty
  // (false), and the box shows without it.
  bool SetPictureJpeg(std::span<const uint8_t> jpeg);

 private:
  void LoadPicture();
};

extern TAboutBox* AboutBox;

}  // namespace app
