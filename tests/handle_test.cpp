#include <gtest/gtest.h>

#include "cmq_object.h"
#include "host_table.h"
#include "hosted_test.h"

namespace {

using testsupport::HostedTest;

class Handles : public HostedTest {};

// Names read as the commands read them: into a name buffer, measured by NameSize.
std::string ObjectName(const cmq::CMQObject& object) {
  NameBuffer buffer = {};
  object.FillNameBuffer(buffer);
  return std::string(buffer, NameSize(buffer));
}
std::string MaterialName(MQMaterial material) {
  NameBuffer buffer = {};
  FillMaterialNameBuffer(material, buffer);
  return std::string(buffer, NameSize(buffer));
}

TEST_F(Handles, AnIndexWithoutObjectGivesANullObjectWithTheDocument) {
  doc.AddAbsentObject();
  for (int index : {0, 1, -1}) {
    const cmq::CMQObject handle = GetObjectHandle(doc.handle(), index);
    EXPECT_EQ(handle.object(), nullptr) << index;
    EXPECT_EQ(handle.document(), doc.handle()) << index;
  }
}

TEST_F(Handles, NamesComeBackByteForByte) {
  const std::vector<std::string> names = {"", "Cube", std::string(249, 'n'), "\x80\x81\xFE\xFF",
                                          "\x83\x65\x83\x58\x83\x67", " two  blanks "};
  for (const std::string& name : names) {
    doc.AddObject(name);
    doc.AddMaterial(name);
  }
  for (size_t i = 0; i < names.size(); ++i) {
    const int index = static_cast<int>(i);
    EXPECT_EQ(ObjectName(GetObjectHandle(doc.handle(), index)), names[i]);
    EXPECT_EQ(MaterialName(host::Table().MQDoc_GetMaterial(doc.handle(), index)), names[i]);
  }
  for (const std::string& arguments : log().ArgumentsOf("MQObj_GetName")) {
    EXPECT_NE(arguments.find(", buffer, 250"), std::string::npos) << arguments;
  }
}

TEST_F(Handles, ANameFillingTheWholeBufferIsNotReadPast) {
  doc.AddObject("x");
  doc.AddMaterial("x");
  doc.fill_name_buffers = true;
  EXPECT_EQ(ObjectName(GetObjectHandle(doc.handle(), 0)), std::string(250, '#'));
  EXPECT_EQ(MaterialName(host::Table().MQDoc_GetMaterial(doc.handle(), 0)), std::string(250, '#'));
}

}  // namespace
