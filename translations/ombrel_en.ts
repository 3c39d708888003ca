<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
<context>
    <name>TeachingAids</name>
    <message numerus="yes">
        <source>%Ln sample(s) each side</source>
        <translation>
            <numerusform>%Ln sample each side</numerusform>
            <numerusform>%Ln samples each side</numerusform>
        </translation>
    </message>
</context>
</TS>
