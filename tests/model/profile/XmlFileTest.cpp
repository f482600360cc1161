// SPDX-License-Identifier: GPL-3.0-or-later
// Loading and saving files: each encoding from a data file, the reports, and file failures.
#include "XmlTestSupport.h"

#include "model/profile/XmlDocument.h"
#include "model/profile/XmlEncoding.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using xmltest::contains;
using xmltest::dataPath;
using xmltest::readBytes;

namespace {

// The t1 attribute of the first element inside the root.
std::string itemText(XmlDocument& doc) {
    doc.resetPos();
    doc.findElem();
    doc.intoElem();
    doc.findElem();
    return doc.getAttrib("t1");
}

class XmlFile : public testing::Test {
protected:
    xmltest::TempDir temp;
};

} // namespace

TEST_F(XmlFile, Utf8WithoutMarkLoadsAsItIs) {
    XmlDocument doc;
    ASSERT_TRUE(doc.load(dataPath("utf8.xml")));
    EXPECT_EQ(doc.getDoc(), readBytes(dataPath("utf8.xml")));
    EXPECT_EQ(doc.getResult(), "<read encoding=\"UTF-8\" length=\"83\"/>");
    EXPECT_EQ(doc.getFlags(), 0);
    EXPECT_EQ(itemText(doc), "Grüße €");
}

TEST_F(XmlFile, Utf8MarkIsDroppedFromTheTextAndWrittenBack) {
    XmlDocument doc;
    ASSERT_TRUE(doc.load(dataPath("utf8-bom.xml")));
    EXPECT_EQ(doc.getDoc(), readBytes(dataPath("utf8-bom.xml")).substr(3));
    EXPECT_EQ(doc.getFlags(), XmlDocument::kUtf8Mark);
    ASSERT_TRUE(doc.save(temp.file("out.xml")));
    EXPECT_EQ(readBytes(temp.file("out.xml")), readBytes(dataPath("utf8-bom.xml")));
}

TEST_F(XmlFile, ProfileIsSavedWithoutMarkAndLoadsBackUnchanged) {
    XmlDocument doc;
    doc.setDoc(xmltest::kDeclaration);
    doc.addElem("QelEC(S)");
    doc.intoElem();
    doc.addElem("AREA");
    doc.setAttrib("ID", 1);
    doc.setAttrib("t1", "Grüße \"€\"");
    ASSERT_TRUE(doc.save(temp.file("p.pro")));
    const std::string bytes = readBytes(temp.file("p.pro"));
    EXPECT_EQ(bytes.substr(0, 5), "<?xml");
    EXPECT_EQ(bytes, doc.getDoc());
    EXPECT_EQ(doc.getResult(), "<write encoding=\"UTF-8\" length=\"" + std::to_string(bytes.size()) + "\"/>");
    XmlDocument loaded;
    ASSERT_TRUE(loaded.load(temp.file("p.pro")));
    EXPECT_TRUE(loaded.isWellFormed());
    EXPECT_EQ(loaded.getDoc(), doc.getDoc());
    EXPECT_EQ(itemText(loaded), "Grüße \"€\"");
}

TEST_F(XmlFile, Utf16LittleEndianWithMark) {
    XmlDocument doc;
    ASSERT_TRUE(doc.load(dataPath("utf16le-bom.xml")));
    EXPECT_EQ(doc.getFlags(), XmlDocument::kUtf16LeMark);
    EXPECT_TRUE(contains(doc.getResult(), "<converted_from encoding=\"UTF-16LE\""));
    EXPECT_FALSE(contains(doc.getResult(), "endian_swap"));
    EXPECT_EQ(itemText(doc), "Grüße € 𝄞");
    ASSERT_TRUE(doc.save(temp.file("out.xml")));
    EXPECT_EQ(readBytes(temp.file("out.xml")), readBytes(dataPath("utf16le-bom.xml")));
}

TEST_F(XmlFile, Utf16BigEndianIsByteSwapped) {
    XmlDocument doc;
    ASSERT_TRUE(doc.load(dataPath("utf16be-bom.xml")));
    EXPECT_EQ(doc.getFlags(), XmlDocument::kUtf16BeMark);
    EXPECT_TRUE(contains(doc.getResult(), "<endian_swap "));
    EXPECT_EQ(itemText(doc), "Grüße € 𝄞");
    ASSERT_TRUE(doc.save(temp.file("out.xml")));
    EXPECT_EQ(readBytes(temp.file("out.xml")), readBytes(dataPath("utf16be-bom.xml")));
}

TEST_F(XmlFile, Utf16WithoutMarkIsRecognisedByItsZeroBytes) {
    XmlDocument doc;
    ASSERT_TRUE(doc.load(dataPath("utf16le-nobom.xml")));
    EXPECT_EQ(doc.getFlags(), 0);
    EXPECT_EQ(itemText(doc), "Grüße €");
    ASSERT_TRUE(doc.save(temp.file("out.xml")));
    XmlDocument again;
    ASSERT_TRUE(again.load(temp.file("out.xml")));
    EXPECT_EQ(again.getDoc(), doc.getDoc());
}

TEST_F(XmlFile, DamagedUtf16) {
    XmlDocument odd;
    ASSERT_TRUE(odd.load(dataPath("utf16le-odd-length.xml")));
    EXPECT_TRUE(contains(odd.getResult(), "<truncation_error encoding=\"UTF-16LE\""));
    EXPECT_EQ(itemText(odd), "Grüße €");
    XmlDocument lone;
    ASSERT_TRUE(lone.load(dataPath("utf16le-lone-surrogate.xml")));
    EXPECT_TRUE(contains(lone.getResult(), "<conversion_loss encoding=\"UTF-16LE\" count=\"1\"/>"));
    lone.findElem();
    EXPECT_EQ(lone.getAttrib("t1"), "a\xEF\xBF\xBD");
}

TEST_F(XmlFile, DeclaredGbkIsConvertedBothWays) {
    XmlDocument doc;
    ASSERT_TRUE(doc.load(dataPath("gbk.xml")));
    EXPECT_TRUE(contains(doc.getResult(), "<converted_from encoding=\"GBK\""));
    EXPECT_EQ(itemText(doc), "取消");
    ASSERT_TRUE(doc.save(temp.file("out.xml")));
    EXPECT_TRUE(contains(doc.getResult(), "<converted_to encoding=\"GBK\""));
    EXPECT_EQ(readBytes(temp.file("out.xml")), readBytes(dataPath("gbk.xml")));
}

TEST_F(XmlFile, GbkCutInsideACharacterReportsTruncation) {
    XmlDocument doc;
    ASSERT_TRUE(doc.load(dataPath("gbk-truncated.xml")));
    EXPECT_TRUE(contains(doc.getResult(), "<truncation_error encoding=\"GBK\" offset=\"74\"/>"));
    EXPECT_EQ(itemText(doc), "取消");
}

TEST_F(XmlFile, DeclaredLatin1LosesWhatItCannotHoldOnSave) {
    XmlDocument doc;
    ASSERT_TRUE(doc.load(dataPath("latin1.xml")));
    EXPECT_EQ(itemText(doc), "Grüße");
    ASSERT_TRUE(doc.save(temp.file("same.xml")));
    EXPECT_EQ(readBytes(temp.file("same.xml")), readBytes(dataPath("latin1.xml")));
    doc.setAttrib("t1", "5 €");
    ASSERT_TRUE(doc.save(temp.file("lossy.xml")));
    EXPECT_TRUE(contains(doc.getResult(), "<conversion_loss encoding=\"ISO-8859-1\" count=\"1\"/>"));
    EXPECT_TRUE(contains(readBytes(temp.file("lossy.xml")), "t1=\"5 ?\""));
}

TEST_F(XmlFile, OtherNamedEncodings) {
    struct Case {
        const char* file;
        const char* text;
    };
    for (const Case& c : {Case{"windows1252.xml", "“€”"}, Case{"cp65001.xml", "Grüße €"}}) {
        XmlDocument doc;
        ASSERT_TRUE(doc.load(dataPath(c.file))) << c.file;
        EXPECT_EQ(itemText(doc), c.text) << c.file;
        EXPECT_FALSE(contains(doc.getResult(), "loss")) << c.file;
    }
    XmlDocument html;
    ASSERT_TRUE(html.load(dataPath("html-meta-latin1.html")));
    EXPECT_TRUE(contains(html.getResult(), "<converted_from encoding=\"ISO-8859-1\""));
    html.findElem("html");
    html.intoElem();
    html.findElem("body");
    EXPECT_EQ(html.getAttrib("title"), "Grüße");
}

TEST_F(XmlFile, AnsiMeansTheSystemCodePage) {
    xmltest::writeBytes(temp.file("ansi.xml"), "<?xml version=\"1.0\" encoding=\"ANSI\"?><r t1=\"abc\"/>");
    XmlDocument doc;
    ASSERT_TRUE(doc.load(temp.file("ansi.xml")));
    EXPECT_TRUE(contains(doc.getResult(), "<read encoding=\"" + xml::systemCodePage() + "\""));
    doc.findElem();
    EXPECT_EQ(doc.getAttrib("t1"), "abc");
    EXPECT_TRUE(doc.save(temp.file("again.xml")));
    EXPECT_EQ(readBytes(temp.file("again.xml")), readBytes(temp.file("ansi.xml")));
}

TEST_F(XmlFile, UndeclaredTextIsTestedForUtf8) {
    XmlDocument valid;
    ASSERT_TRUE(valid.load(dataPath("undeclared-utf8.xml")));
    EXPECT_TRUE(contains(valid.getResult(), "<utf8_detection encoding=\"UTF-8\" msg=\"valid\"/>"));
    EXPECT_EQ(valid.getDoc(), readBytes(dataPath("undeclared-utf8.xml")));
    XmlDocument invalid;
    ASSERT_TRUE(invalid.load(dataPath("undeclared-invalid-utf8.xml")));
    EXPECT_TRUE(contains(invalid.getResult(), "msg=\"invalid\""));
    EXPECT_TRUE(xml::isValidUtf8(invalid.getDoc())) << "converted through the system code page";
    EXPECT_TRUE(contains(invalid.getDoc(), "t1=\"Gr"));
}

TEST_F(XmlFile, DeclaredUtf8WithBadBytesGetsReplacementCharacters) {
    XmlDocument doc;
    ASSERT_TRUE(doc.load(dataPath("declared-utf8-invalid.xml")));
    EXPECT_TRUE(contains(doc.getResult(), "<conversion_loss encoding=\"UTF-8\" count=\"1\"/>"));
    EXPECT_EQ(itemText(doc), "Gr\xEF\xBF\xBD");
}

TEST_F(XmlFile, NullCharactersAreRemoved) {
    XmlDocument doc;
    ASSERT_TRUE(doc.load(dataPath("nulls.xml")));
    EXPECT_TRUE(contains(doc.getResult(), "<nulls_removed count=\"2\"/>"));
    EXPECT_EQ(itemText(doc), "ab");
}

TEST_F(XmlFile, UnknownEncodingLoadsAsUtf8) {
    XmlDocument doc;
    ASSERT_TRUE(doc.load(dataPath("unknown-encoding.xml")));
    EXPECT_TRUE(contains(doc.getResult(),
                         "<conversion_loss encoding=\"x-no-such-charset\" msg=\"unknown encoding\"/>"));
    EXPECT_EQ(itemText(doc), "plain");
}

TEST_F(XmlFile, EmptyFileLoadsAsADocumentWithoutRoot) {
    XmlDocument doc;
    EXPECT_TRUE(doc.load(dataPath("empty.xml")));
    EXPECT_FALSE(doc.isWellFormed());
    EXPECT_TRUE(contains(doc.getResult(), "<no_root_element/>"));
}

TEST_F(XmlFile, MissingFileFailsAndLeavesAnEmptyDocument) {
    XmlDocument doc;
    doc.setDoc("<old/>");
    EXPECT_FALSE(doc.load(temp.file("missing.xml")));
    EXPECT_EQ(doc.getResult(), "<file_error msg=\"No such file or directory\"/>");
    EXPECT_EQ(doc.getDoc(), "");
    EXPECT_FALSE(doc.findElem());
    EXPECT_EQ(doc.getFlags() & XmlDocument::kReadingFile, 0);
}

TEST_F(XmlFile, SaveFailsWhenTheFileCannotBeWritten) {
    XmlDocument doc;
    doc.setDoc("<a/>");
    EXPECT_FALSE(doc.save(temp.file("no/such/folder/out.xml")));
    EXPECT_TRUE(contains(doc.getResult(), "<file_error msg="));
    EXPECT_FALSE(doc.save(temp.file("")));
    if (std::filesystem::exists("/dev/full")) {
        EXPECT_FALSE(doc.save("/dev/full")) << "the write fails when the data reach the device";
        EXPECT_TRUE(contains(doc.getResult(), "<file_error msg=\"No space left on device\"/>"));
    }
    EXPECT_EQ(doc.getFlags() & XmlDocument::kWritingFile, 0);
}

TEST_F(XmlFile, AppendModeAddsToTheFile) {
    XmlDocument doc;
    doc.setDoc("<a/>\r\n");
    doc.setFlags(XmlDocument::kAppendFile);
    ASSERT_TRUE(doc.save(temp.file("log.xml")));
    ASSERT_TRUE(doc.save(temp.file("log.xml")));
    EXPECT_EQ(readBytes(temp.file("log.xml")), "<a/>\r\n<a/>\r\n");
}

TEST_F(XmlFile, SavedUtf16WithoutMarkFlagLoadsBack) {
    XmlDocument doc;
    doc.setDoc("<?xml version=\"1.0\" encoding=\"UTF-16BE\"?>\r\n<r t1=\"é𝄞\"/>\r\n");
    ASSERT_TRUE(doc.save(temp.file("be.xml")));
    const std::string bytes = readBytes(temp.file("be.xml"));
    EXPECT_EQ(bytes.substr(0, 2), std::string("\0<", 2)) << "no mark unless the document had one";
    XmlDocument loaded;
    ASSERT_TRUE(loaded.load(temp.file("be.xml")));
    EXPECT_EQ(loaded.getDoc(), doc.getDoc());
}

TEST_F(XmlFile, Utf16WithoutMarkIsRecognisedAfterLeadingWhiteSpace) {
    const std::u16string text = u"\r\n \t<r><x t1=\"Grüße €\"/></r>\r\n";
    for (const bool bigEndian : {false, true}) {
        std::string bytes;
        for (const char16_t unit : text) {
            const char high = static_cast<char>(unit >> 8);
            const char low = static_cast<char>(unit & 0xFF);
            bytes += bigEndian ? high : low;
            bytes += bigEndian ? low : high;
        }
        const std::string path = temp.file(bigEndian ? "be.xml" : "le.xml");
        xmltest::writeBytes(path, bytes);
        XmlDocument doc;
        ASSERT_TRUE(doc.load(path));
        const char* which = bigEndian ? "big-endian" : "little-endian";
        EXPECT_TRUE(contains(doc.getResult(), bigEndian ? "encoding=\"UTF-16BE\"" : "encoding=\"UTF-16LE\""))
            << which;
        EXPECT_FALSE(contains(doc.getResult(), "nulls_removed")) << which;
        EXPECT_EQ(doc.getNullsRemoved(), 0U) << which;
        EXPECT_TRUE(doc.isWellFormed()) << which;
        EXPECT_EQ(itemText(doc), "Grüße €") << which;
    }
    // Eight-bit text that merely starts with white space is still eight-bit text.
    xmltest::writeBytes(temp.file("plain.xml"), "\r\n <r><x t1=\"ab\"/></r>");
    XmlDocument plain;
    ASSERT_TRUE(plain.load(temp.file("plain.xml")));
    EXPECT_EQ(itemText(plain), "ab");
}

TEST_F(XmlFile, RemovedNullCharactersAreCounted) {
    XmlDocument doc;
    ASSERT_TRUE(doc.load(dataPath("nulls.xml")));
    EXPECT_EQ(doc.getNullsRemoved(), 2U);
    ASSERT_TRUE(doc.load(dataPath("utf8.xml")));
    EXPECT_EQ(doc.getNullsRemoved(), 0U);
}

TEST_F(XmlFile, OnlyRegularFilesWithinTheLimitAreRead) {
    const std::string fifo = temp.file("fifo.xml");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    // In a child, so that a load that waits for a writer ends with the alarm instead of the test.
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        ::alarm(10);
        XmlDocument doc;
        const bool loaded = doc.load(fifo);
        ::_exit(!loaded && doc.getResult() == "<file_error msg=\"not a regular file\"/>" &&
                        doc.getFileError() == "not a regular file"
                    ? 0
                    : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status)) << "the load hung on the FIFO";
    EXPECT_EQ(WIFEXITED(status) ? WEXITSTATUS(status) : -1, 0);

    XmlDocument folder;
    EXPECT_FALSE(folder.load(temp.file("")));
    EXPECT_EQ(folder.getFileError(), "not a regular file");

    xmltest::writeBytes(temp.file("small.xml"), "<r>0123456789</r>");
    XmlDocument doc;
    EXPECT_TRUE(doc.load(temp.file("small.xml"), 17));
    EXPECT_EQ(doc.getFileError(), "");
    EXPECT_FALSE(doc.load(temp.file("small.xml"), 16));
    EXPECT_EQ(doc.getFileError(), "file too large (larger than 16 bytes)");
    EXPECT_EQ(doc.getDoc(), "");
    EXPECT_FALSE(doc.load(temp.file("missing.xml")));
    EXPECT_EQ(doc.getFileError(), "No such file or directory");
}
