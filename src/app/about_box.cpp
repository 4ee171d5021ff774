#include "app/about_box.h"

#include <span>
#include <string>

#include "app/help_commands.h"
#include "app/resources/resource_ids.h"
#include "common/jpeg_codec.h"

namespace app {

TAboutBox* AboutBox = nullptr;

FW_DEFINE_CLASS(TAboutBox, fw::TForm)

namespace {

fw::TLabel* NewLabel(fw::TComponent* owner, fw::TWinControl* parent, const char* name, int left, int top, int width,
                     int height, const std::string& caption) {
  auto* label = new fw::TLabel(owner);
  label->SetName(name);
  label->SetParent(parent);
  label->SetBounds(left, top, width, height);
  label->SetCaption(caption);
  return label;
}

}  // namespace

TAboutBox::TAboutBox(fw::TComponent* owner) : fw::TForm(owner) {
  SetName("AboutBox");
  SetCaption("About");
  SetBorderStyle(fw::TFormBorderStyle::bsDialog);
  SetPosition(fw::TPosition::poScreenCenter);
  Font()->SetName("MS Sans Serif");
  Font()->SetSize(8);
  SetClientWidth(369);
  SetClientHeight(265);

  Panel1 = new fw::TPanel(this);
  Panel1->SetName("Panel1");
  Panel1->SetParent(this);
  Panel1->SetBounds(6, 8, 355, 201);
  Panel1->SetBevelInner(fw::TBevelCut::bvRaised);
  Panel1->SetBevelOuter(fw::TBevelCut::bvLowered);

  ProgramIcon = new fw::TImage(this);
  ProgramIcon->SetName("ProgramIcon");
  ProgramIcon->SetParent(Panel1);
  ProgramIcon->SetBounds(8, 8, 65, 57);
  ProgramIcon->SetStretch(true);
  LoadPicture();

  ProductName = NewLabel(this, Panel1, "ProductName", 88, 16, 209, 19, "Talvik软件安装路径修改器2.1");
  ProductName->SetHint("双击复制");
  ProductName->SetShowHint(true);
  ProductName->OnDblClick = fw::Handler(this, &TAboutBox::ProductNameDblClick);

  Version = NewLabel(this, Panel1, "Version", 88, 46, 233, 17, "作者：塔尔维克（浙江杭州）");
  Version->SetHint("双击复制");
  Version->SetShowHint(true);
  Version->OnDblClick = fw::Handler(this, &TAboutBox::VersionDblClick);

  Label1 = NewLabel(this, Panel1, "Label1", 8, 88, 273, 25, std::string("网站：") + links::kAuthorPage);
  Label1->Font()->SetName("宋体");
  Label1->Font()->SetHeight(-13);
  Label1->Font()->SetStyle(fw::fsUnderline);
  Label1->OnClick = fw::Handler(this, &TAboutBox::Label1Click);

  Comments = NewLabel(this, Panel1, "Comments", 8, 137, 337, 26,
                      std::string("邮件：") + links::kAuthorMail + "  （双击打开，单击复制）");
  Comments->Font()->SetName("宋体");
  Comments->Font()->SetHeight(-13);
  Comments->SetHint("单击复制到剪切板");
  Comments->SetShowHint(true);
  Comments->OnClick = fw::Handler(this, &TAboutBox::CommentsClick);
  Comments->OnDblClick = fw::Handler(this, &TAboutBox::CommentsDblClick);

  OKButton = new fw::TButton(this);
  OKButton->SetName("OKButton");
  OKButton->SetParent(this);
  OKButton->SetBounds(143, 221, 75, 25);
  OKButton->SetCaption("OK");
  OKButton->SetDefault(true);
  OKButton->OnClick = fw::Handler(this, &TAboutBox::OKButtonClick);
}

// The picture is a baseline JPEG in the resources.
void TAboutBox::LoadPicture() {
  HMODULE module = GetModuleHandleA(nullptr);
  HRSRC res = FindResourceA(module, MAKEINTRESOURCEA(IDR_ABOUT_JPEG), MAKEINTRESOURCEA(10));  // RT_RCDATA
  if (!res) return;
  HGLOBAL data = LoadResource(module, res);
  DWORD size = SizeofResource(module, res);
  auto* bytes = static_cast<const uint8_t*>(data ? LockResource(data) : nullptr);
  if (!bytes || size == 0) return;
  SetPictureJpeg(std::span<const uint8_t>(bytes, size));
}

bool TAboutBox::SetPictureJpeg(std::span<const uint8_t> jpeg) {
  common::JpegResult decoded = common::DecodeJpeg(jpeg);
  fw::TBitmap* picture = ProgramIcon->Picture();
  if (decoded.image && !decoded.image->empty()) {
    const common::Image24& img = *decoded.image;
    if (picture->SetPixels24(img.width, img.height, img.bgr.data(), img.bgr.size(),
                             static_cast<size_t>(img.width) * 3))
      return true;
  }
  picture->SetHandle(nullptr);
  return false;
}

void TAboutBox::OKButtonClick(fw::TObject*) { Hide(); }

void TAboutBox::ProductNameDblClick(fw::TObject*) { CopyTextToClipboard(Handle(), ProductName->Caption()); }
void TAboutBox::VersionDblClick(fw::TObject*) { CopyTextToClipboard(Handle(), Version->Caption()); }
void TAboutBox::Label1Click(fw::TObject*) { OpenPage(Handle(), links::kAuthorPage); }
// A double-click delivers a click first, so the address is on the clipboard before the mail opens.
void TAboutBox::CommentsClick(fw::TObject*) { CopyTextToClipboard(Handle(), links::kAuthorMail); }
void TAboutBox::CommentsDblClick(fw::TObject*) { OpenPage(Handle(), std::string("mailto:") + links::kAuthorMail); }

}  // namespace app
