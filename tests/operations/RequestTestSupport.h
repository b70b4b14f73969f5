#pragma once
#include <string>

#include "protocol/ProtocolNode.h"
#include "protocol/ProtocolText.h"

namespace brivane::testing {

// A request tree as the hand-off renders it.
inline std::wstring rendered(ProtocolNode& request) {
  std::wstring text;
  int depth = 0;
  writeText(request, text, depth);
  return text;
}

// The document of securing the single file C:\Docs\a.txt in place.
inline const std::wstring kWorkedExample = LR"(<securing_files>
    <secure_file>
        <targets>
            <target>
                <targets>
                    <target>
                        <source type="string">C:\Docs\a.txt</source>
                    </target>
                </targets>
                <destination type="string">C:\Docs\a.txt.qelf</destination>
                <options>
                    <no_report></no_report>
                </options>
            </target>
        </targets>
        <options>
            <no_report></no_report>
        </options>
    </secure_file>
</securing_files>
)";

}  // namespace brivane::testing
