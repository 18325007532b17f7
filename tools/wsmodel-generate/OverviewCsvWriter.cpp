#include "OverviewCsvWriter.h"

namespace wsmodel {

OverviewCsvWriter::OverviewCsvWriter(OutputSink& manholes, OutputSink& pipes) : manholes_(manholes), pipes_(pipes) {
  // Heading lines carry no tags; readers skip them.
  manholes_.Write("Kumoversikt;Tag\r\n");
  pipes_.Write("Ledningsoversikt;Ledning;;;;;;;;Kum;;;;;;;;;Kum\r\n");
}

void OverviewCsvWriter::Manhole(const OverviewTag& tag) {
  line_.clear();
  Append(line_, tag);
  line_ += "\r\n";
  manholes_.Write(line_);
}

void OverviewCsvWriter::PipeLine(const OverviewTag& pipe, const OverviewTag& first, const OverviewTag& second) {
  line_.clear();
  Append(line_, pipe);
  line_ += ';';
  Append(line_, first);
  line_ += ';';
  Append(line_, second);
  line_ += "\r\n";
  pipes_.Write(line_);
}

void OverviewCsvWriter::Append(std::string& line, const OverviewTag& tag) {
  line += "+;" + tag.a + ";=;" + tag.b + ";.;" + tag.c + ";-;" + tag.d + ";" + tag.e;
}

}  // namespace wsmodel
