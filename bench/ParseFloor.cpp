// parse-floor MODEL.xml: reads and parses a model file with pugixml and
// visits every element and attribute, nothing more. No export of the same
// file can take less time than this.

#include <chrono>
#include <cstdio>
#include <ctime>
#include <pugixml.hpp>

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: parse-floor MODEL.xml\n");
    return 2;
  }
  const auto start = std::chrono::steady_clock::now();
  const std::clock_t cpuStart = std::clock();
  pugi::xml_document document;
  const pugi::xml_parse_result result = document.load_file(argv[1]);
  if (!result) {
    std::fprintf(stderr, "parse-floor: %s: %s\n", argv[1], result.description());
    return 1;
  }
  std::size_t elements = 0;
  std::size_t attributes = 0;
  for (pugi::xml_node node = document.document_element(); node;) {
    ++elements;
    for (pugi::xml_attribute attribute = node.first_attribute(); attribute; attribute = attribute.next_attribute()) {
      ++attributes;
    }
    // Depth first without recursion.
    if (pugi::xml_node child = node.first_child(); child && child.type() == pugi::node_element) {
      node = child;
      continue;
    }
    while (node && !node.next_sibling()) node = node.parent();
    if (node) node = node.next_sibling();
  }
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  const double cpu = static_cast<double>(std::clock() - cpuStart) / CLOCKS_PER_SEC;
  std::printf("parse %.3f s, cpu %.3f s: %zu elements, %zu attributes\n", seconds, cpu, elements, attributes);
  return 0;
}
