#include "tests/real_windows/real_grid_form.h"

#include <string>

#include "platform/backend/qt_backend.h"
#include "platform/data/field.h"

void RealGridForm::SetUp() {
  if (!DisplayAvailable()) GTEST_SKIP() << "needs an X server; ctest runs this under xvfb-run";
  application_ = std::make_unique<TApplicationScope>();
  data_ = std::make_unique<TMemDataSet>(nullptr);
  data_->FieldDefs()->Add("ID", ftInteger);
  data_->FieldDefs()->Add("Name", ftString, 20);
  data_->CreateDataSet();
  for (int id = 1; id <= 3; ++id) data_->AppendRecord({Variant(id), Variant("名字" + std::to_string(id))});
  data_->First();
  source_ = std::make_unique<TDataSource>(nullptr);
  source_->SetDataSet(data_.get());
  form_ = new TForm(Application);
  form_->SetBounds(100, 100, 420, 300);
  grid_ = new TDBGridEx(form_);
  grid_->SetParent(form_);
  grid_->SetBounds(0, 0, 400, 260);
  grid_->SetDataSource(source_.get());
  form_->Show();
  grid_->SetFocus();
}

void RealGridForm::TearDown() {
  delete form_;
  form_ = nullptr;
  source_.reset();
  data_.reset();
  application_.reset();
}
